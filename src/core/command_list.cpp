// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command_list.h"

#include <algorithm>

namespace tagpad {

Command& CommandList::add(CommandValues values) {
  return *commands_.emplace_back(std::make_unique<Command>(std::move(values)));
}

Command* CommandList::find(std::string_view name) const {
  auto found = std::ranges::find_if(commands_, [name](const auto& command) { return command->name() == name; });
  return found == commands_.end() ? nullptr : found->get();
}

Command* CommandList::find_shortcut(const Shortcut& shortcut) const {
  if (shortcut.is_none()) return nullptr;
  auto found =
      std::ranges::find_if(commands_, [&shortcut](const auto& command) { return command->shortcut() == shortcut; });
  return found == commands_.end() ? nullptr : found->get();
}

}  // namespace tagpad
