// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_target.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tagpad {

/// A copy of a text that replacements from its start downwards are made in,
/// so that Replace all can build the whole result before the control's text
/// changes once. Each replacement costs the length of what it copies, not of
/// the whole text.
class ReplacingCopy : public SearchableText {
 public:
  ReplacingCopy(std::string text, std::size_t selection_start, std::size_t selection_length);

  std::size_t length() const override;
  std::string read(std::size_t start, std::size_t count) const override;
  std::size_t selection_start() const override { return selection_start_; }
  std::size_t selection_length() const override { return selection_length_; }
  void set_selection(std::size_t start, std::size_t length) override;
  /// Only at or after the end of the last replacement, as a downward search
  /// makes them.
  void replace_selection(std::string_view text) override;

  /// The text with every replacement made.
  std::string text() const;

 private:
  // The original text's bytes from character `position` on.
  const char* original_at(std::size_t position) const;

  std::string original_;
  std::size_t original_length_;
  // The replaced front: the original up to `consumed_` characters
  // (`consumed_bytes_` bytes), with the replacements made in it.
  std::string front_;
  std::size_t front_length_ = 0;
  std::size_t consumed_ = 0;
  std::size_t consumed_bytes_ = 0;
  std::size_t selection_start_;
  std::size_t selection_length_;
  // Where the last read of the original ended: reads run mostly forwards.
  mutable std::size_t cursor_ = 0;
  mutable std::size_t cursor_bytes_ = 0;
};

}  // namespace tagpad
