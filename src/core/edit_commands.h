// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/clipboard.h"
#include "core/text_target.h"

namespace tagpad {

/// The standard edit commands that act on the focused text control.
enum class EditCommand {
  Undo,       ///< `EditUndo1`
  SelectAll,  ///< `EditSelectAll1`
  Copy,       ///< `EditCopy1`
  Paste,      ///< `EditPaste1`
  Cut,        ///< `EditCut1`
};

/// The update of an edit command: whether it is enabled on `target`, the
/// focused text control, or null when the focus is on no text control.
bool edit_command_enabled(EditCommand command, const TextTarget* target, const Clipboard& clipboard);

/// The execute of an edit command; run it only when the update just before
/// found the command enabled on the same target.
void execute_edit_command(EditCommand command, TextTarget& target);

/// The update of `SearchFind1` and `SearchReplace1`: a target with text.
bool find_command_enabled(const TextTarget* target);

}  // namespace tagpad
