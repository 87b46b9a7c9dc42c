// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/command_behaviour.h"

#include <functional>

namespace tagpad {

/// A standard command that shows one of the window's dialogs. It claims no
/// target, so the command keeps the enabled state it was given.
class DialogBehaviour : public CommandBehaviour {
 public:
  explicit DialogBehaviour(std::function<void()> show) : show_(std::move(show)) {}

  bool update(Command&) override { return false; }
  void execute(Command&) override { show_(); }

 private:
  std::function<void()> show_;
};

}  // namespace tagpad
