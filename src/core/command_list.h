// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/command.h"
#include "core/shortcut.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tagpad {

/// The commands of a window in list order; the order decides which command
/// a shortcut reaches.
class CommandList {
 public:
  /// Appends a command; the list owns it and it stays at this address.
  Command& add(CommandValues values);

  const std::vector<std::unique_ptr<Command>>& commands() const { return commands_; }

  /// nullptr when no command has this name.
  Command* find(std::string_view name) const;

  /// The first command in list order with this shortcut; nullptr for none
  /// (and always for `Shortcut{}`).
  Command* find_shortcut(const Shortcut& shortcut) const;

 private:
  std::vector<std::unique_ptr<Command>> commands_;
};

}  // namespace tagpad
