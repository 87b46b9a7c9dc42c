// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/command_behaviour.h"
#include "core/edit_commands.h"
#include "core/focused_target.h"

#include <functional>

namespace tagpad {

/// An edit command acting on the focused text control; without one no
/// target claims the command.
class EditBehaviour : public CommandBehaviour {
 public:
  EditBehaviour(EditCommand kind, const FocusedTarget& focused, const Clipboard& clipboard)
      : kind_(kind), focused_(focused), clipboard_(clipboard) {}

  bool update(Command& command) override;
  void execute(Command& command) override;

 private:
  EditCommand kind_;
  const FocusedTarget& focused_;
  const Clipboard& clipboard_;
};

/// The find and replace commands: enabled on a focused, non-empty text
/// control; executing hands that control to `open`.
class FindBehaviour : public CommandBehaviour {
 public:
  FindBehaviour(const FocusedTarget& focused, std::function<void(TextTarget&)> open)
      : focused_(focused), open_(std::move(open)) {}

  bool update(Command& command) override;
  void execute(Command& command) override;

 private:
  const FocusedTarget& focused_;
  std::function<void(TextTarget&)> open_;
};

}  // namespace tagpad
