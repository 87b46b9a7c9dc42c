// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/edit_commands.h"

namespace tagpad {

bool edit_command_enabled(EditCommand command, const TextTarget* target, const Clipboard& clipboard) {
  if (target == nullptr) return false;
  switch (command) {
    case EditCommand::Undo:
      return target->can_undo() && !target->read_only();
    case EditCommand::SelectAll:
      return target->length() > 0;
    case EditCommand::Copy:
      return target->selection_length() > 0;
    case EditCommand::Paste:
      return !target->read_only() && clipboard.has_text();
    case EditCommand::Cut:
      return target->selection_length() > 0 && !target->read_only();
  }
  return false;
}

void execute_edit_command(EditCommand command, TextTarget& target) {
  switch (command) {
    case EditCommand::Undo:
      target.undo();
      break;
    case EditCommand::SelectAll:
      target.set_selection(0, target.length());
      break;
    case EditCommand::Copy:
      target.copy_selection();
      break;
    case EditCommand::Paste:
      target.paste();
      break;
    case EditCommand::Cut:
      target.cut_selection();
      break;
  }
}

bool find_command_enabled(const TextTarget* target) { return target != nullptr && target->length() > 0; }

}  // namespace tagpad
