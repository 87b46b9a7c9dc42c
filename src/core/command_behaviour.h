// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

class Command;

/// The built-in behaviour of a standard command (cut, copy, find, the print
/// dialogs …), plugged into its `Command` by the window, which knows the
/// targets: the focused text control, the dialogs.
class CommandBehaviour {
 public:
  virtual ~CommandBehaviour() = default;

  /// Looks for a target at run time. When one claims the command, sets the
  /// command's enabled state from it (through `Command::set_enabled`, so that
  /// the bound controls follow) and returns true; returns false when no
  /// target claims it, and the command's refresh rule then applies.
  virtual bool update(Command& command) = 0;

  /// Acts on the target. Called only while the command is enabled and has no
  /// handler of its own.
  virtual void execute(Command& command) = 0;
};

}  // namespace tagpad
