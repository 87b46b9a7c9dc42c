// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

/// Keeps Ctrl+I, Ctrl+J and Ctrl+M from inserting the tab, line feed and
/// carriage return that they produce, while the Tab and Return keys still
/// insert theirs. Holds `SuppressKey`, false at start.
class KeySuppression {
 public:
  /// The modifier keys held with a key.
  struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
  };

  /// `MemoKeyDown`, for every key-down that reaches the pane, auto-repeats
  /// included. `key` is the virtual-key code: a letter key is its upper-case
  /// ASCII code (I is 73), Tab is 9, Return is 13.
  void key_down(unsigned key, Modifiers modifiers);

  /// `MemoKeyPress`: whether the character that the last key-down produced
  /// must be discarded.
  bool discards_char() const { return suppress_key_; }

 private:
  bool suppress_key_ = false;
};

}  // namespace tagpad
