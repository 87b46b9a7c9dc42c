// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

/// The part of the system clipboard that decides whether Paste is enabled.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  /// Whether the clipboard holds something that can be pasted as text.
  virtual bool has_text() const = 0;
};

}  // namespace tagpad
