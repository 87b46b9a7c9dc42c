// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tagpad {

/// A text as it stood when taken, handed over piece by piece: a large text
/// is never copied whole in one go, so the window keeps answering while the
/// engine reads it.
class TextSnapshot {
 public:
  virtual ~TextSnapshot() = default;
  /// The next piece of the text's bytes, valid until the next call; empty
  /// at the end.
  virtual std::string_view next_piece() = 0;
  /// About how many bytes the whole text holds.
  virtual std::size_t size_hint() const = 0;
};

/// What is left of `snapshot`, read to its end.
std::string read_rest(TextSnapshot& snapshot);

}  // namespace tagpad
