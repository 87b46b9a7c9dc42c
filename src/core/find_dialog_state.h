// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/dialog_placement.h"
#include "core/search.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tagpad {

/// What a find or replace dialog keeps from one opening to the next. Each
/// dialog owns one; the two share nothing.
class FindDialogState {
 public:
  /// Longest search or replacement text, in characters.
  static constexpr std::size_t MaxTextLength = 255;

  const std::string& search_text() const { return search_text_; }
  /// Keeps at most the first MaxTextLength characters.
  void set_search_text(std::string_view text);

  /// Whether the dialog's requests (Find Next, Replace, Replace All) are
  /// offered: a request without search text could find nothing.
  bool can_request() const { return !search_text_.empty(); }

  const std::string& replacement_text() const { return replacement_text_; }
  /// Keeps at most the first MaxTextLength characters.
  void set_replacement_text(std::string_view text);

  /// Towards the end of the text; set at start. The replace dialog leaves
  /// it set, so all its requests search down.
  bool down() const { return down_; }
  void set_down(bool down) { down_ = down; }

  bool match_case() const { return match_case_; }
  void set_match_case(bool match_case) { match_case_ = match_case; }

  bool whole_word() const { return whole_word_; }
  void set_whole_word(bool whole_word) { whole_word_ = whole_word; }

  /// The direction and options for a request.
  Direction direction() const { return down_ ? Direction::Down : Direction::Up; }
  SearchOptions options() const { return {.match_case = match_case_, .whole_word = whole_word_}; }

  /// Top-left corner where the dialog was last closed; none before that.
  const std::optional<Point>& position() const { return position_; }
  /// Records the top-left corner when the dialog closes.
  void set_position(Point position) { position_ = position; }

 private:
  std::string search_text_;
  std::string replacement_text_;
  bool down_ = true;
  bool match_case_ = false;
  bool whole_word_ = false;
  std::optional<Point> position_;
};

}  // namespace tagpad
