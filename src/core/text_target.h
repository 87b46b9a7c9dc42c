// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tagpad {

/// A text that find and replace work on. Positions and counts are in
/// characters of the text, a line break being one character ("\n"); texts
/// are UTF-8.
class SearchableText {
 public:
  virtual ~SearchableText() = default;

  /// Number of characters in the text. Called once per request, so it
  /// should not be proportional to the text's size.
  virtual std::size_t length() const = 0;

  /// Exactly `count` characters from `start` (within the text). Search reads
  /// through this in growing stretches, never the whole text at once unless
  /// it has to; every character counts, so a buffer implementation must not
  /// leave out embedded objects.
  virtual std::string read(std::size_t start, std::size_t count) const = 0;

  /// First selected character; the caret when nothing is selected.
  virtual std::size_t selection_start() const = 0;

  /// Number of selected characters; 0 when nothing is selected.
  virtual std::size_t selection_length() const = 0;

  /// Selects `length` characters from `start`, the caret at the end, and
  /// scrolls the view to the caret.
  virtual void set_selection(std::size_t start, std::size_t length) = 0;

  /// Replaces the selection (or inserts at the caret) by `text`; afterwards
  /// the caret stands after the inserted text and nothing is selected.
  /// Whether Undo takes it back is the control's rule: the source pane's
  /// Undo does, the address bar's does not.
  virtual void replace_selection(std::string_view text) = 0;
};

/// What a text control (`Memo`, `Edit1`) offers to the edit commands and to
/// find and replace.
class TextTarget : public SearchableText {
 public:
  /// Replaces the whole text at once, as replace_selection() would a
  /// selection of all of it; the caller sets the selection afterwards.
  virtual void replace_text(const std::string& text) = 0;

  /// Whether the user may not edit the text.
  virtual bool read_only() const = 0;

  /// Whether the control can undo its last undoable edit.
  virtual bool can_undo() const = 0;

  /// Undoes the last undoable edit.
  virtual void undo() = 0;

  /// Puts the selected text on the clipboard; the text stays as it is.
  virtual void copy_selection() = 0;

  /// As copy_selection(), then deletes the selection as an undoable edit.
  virtual void cut_selection() = 0;

  /// Replaces the selection (or inserts at the caret) by the clipboard's
  /// text as an undoable edit; the caret ends after the inserted text.
  virtual void paste() = 0;
};

}  // namespace tagpad
