// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tagpad {

/// A one-line entry's text and selection (positions in characters).
struct EntryState {
  std::string text;
  std::size_t selection_start = 0;
  std::size_t selection_length = 0;
  friend bool operator==(const EntryState&, const EntryState&) = default;
};

/// Single-level undo for the address bar `Edit1`, as one-line edit controls
/// have it: one previous state is kept, and an undo swaps it with the
/// current one, so undoing twice brings the text back.
///
/// A step is a run of edits at the caret: each insertion at the place where
/// the previous edit left the caret, and each deletion that ends or starts
/// there, joins the run; an edit anywhere else, with a selection, after a
/// caret move or after an undo starts a new step.
///
/// Report every user edit before it changes the entry (GtkEntry's
/// "insert-text" and "delete-text"), caret moves, and every change the
/// program makes; do not report the edits that apply an undo's result or a
/// program change.
class EntryUndo {
 public:
  /// The user is about to insert `count` characters at `position`;
  /// `current` is the entry as it is now.
  void inserting(const EntryState& current, std::size_t position, std::size_t count);

  /// The user is about to delete the characters from `start` to `end`.
  void deleting(const EntryState& current, std::size_t start, std::size_t end);

  /// The caret now stands at `position`; a move away from the place where
  /// the last edit left it ends the step.
  void caret_moved(std::size_t position);

  /// The program set the text or changed it in place: nothing to undo.
  void program_change();

  bool can_undo() const { return previous_.has_value(); }

  /// The state to show for an undo (call only when can_undo()); `current`
  /// is kept for the next undo.
  EntryState undo(const EntryState& current);

 private:
  void edit(const EntryState& current, bool joins_run, std::size_t caret_after);

  std::optional<EntryState> previous_;
  // Where the current step's last edit left the caret; none between steps.
  std::optional<std::size_t> run_caret_;
};

}  // namespace tagpad
