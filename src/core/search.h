// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_target.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tagpad {

/// Which way a search runs from the selection.
enum class Direction { Down, Up };

/// The comparison options of the find and replace dialogs.
struct SearchOptions {
  /// Compare character codes as they are; otherwise upper-case each
  /// character on both sides first.
  bool match_case = false;
  /// A match must start at a word start (or the search start) and be
  /// followed by a delimiter or the end of the text; word characters are
  /// A-Z, a-z and 0-9.
  bool whole_word = false;
};

/// Finds successive occurrences of a text in a target and selects them.
///
/// A search reads the target in stretches that start at `first_read`
/// characters and double with each read, so a request costs about the
/// stretch between the search start and the match, not the whole text.
/// What it has read stays valid only while the text changes through
/// replace_match(); make a new Search for each request from the user.
class Search {
 public:
  /// Characters read by the first read of a search.
  static constexpr std::size_t DefaultFirstRead = 4096;

  Search(SearchableText& target, std::string_view text, Direction direction, SearchOptions options,
         std::size_t first_read = DefaultFirstRead);

  /// Searches from the target's current selection: downwards from its end,
  /// upwards so that a match ends at or before its start, never wrapping.
  /// On a match selects it and returns true; otherwise leaves the selection
  /// alone and returns false.
  bool find_next();

  /// Replaces the match that find_next() just selected by `replacement`,
  /// leaving the caret after it; what was read beyond
  /// the match is kept for the next find_next().
  void replace_match(std::string_view replacement);

 private:
  bool matches_at(std::size_t position, std::size_t length);
  bool next_candidate(std::size_t& position, std::size_t length);
  char32_t at(std::size_t position);
  void read_around(std::size_t position);

  SearchableText& target_;
  std::u32string text_;
  Direction direction_;
  SearchOptions options_;
  std::size_t next_read_;
  std::size_t match_ = 0;
  // Characters read so far: text positions [lo_, hi_) are window_ from
  // index first_; first_ lets a replacement drop the front in O(1).
  std::u32string window_;
  std::size_t first_ = 0;
  std::size_t lo_ = 0;
  std::size_t hi_ = 0;
};

/// The message shown when a request finds nothing.
std::string not_found_message(std::string_view text);

}  // namespace tagpad
