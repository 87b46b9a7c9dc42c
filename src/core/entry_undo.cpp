// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/entry_undo.h"

#include <utility>

namespace tagpad {

void EntryUndo::inserting(const EntryState& current, std::size_t position, std::size_t count) {
  edit(current, run_caret_ == position, position + count);
}

void EntryUndo::deleting(const EntryState& current, std::size_t start, std::size_t end) {
  edit(current, run_caret_ == end || run_caret_ == start, start);
}

void EntryUndo::caret_moved(std::size_t position) {
  if (run_caret_ != position) run_caret_.reset();
}

void EntryUndo::program_change() {
  previous_.reset();
  run_caret_.reset();
}

EntryState EntryUndo::undo(const EntryState& current) {
  EntryState restored = std::exchange(*previous_, current);
  run_caret_.reset();
  return restored;
}

void EntryUndo::edit(const EntryState& current, bool joins_run, std::size_t caret_after) {
  // Typing over a selection deletes it first: that starts the step, and the
  // insertion that follows at the same place joins it.
  if (!joins_run || current.selection_length > 0) previous_ = current;
  run_caret_ = caret_after;
}

}  // namespace tagpad
