// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// Random keys, with random handlers and enabled states, through the real
// command tables: the menu takes a key first, then the first command in list
// order, and only a command that carries the key can run.
#include "core/command_table.h"
#include "fuzz_input.h"

#include <string>
#include <vector>

namespace {

using tagpad::Command;
using tagpad::MenuModel;
using tagpad::Shortcut;
using tagpad::fuzz::check;

bool menu_carries(const MenuModel::Item& item, const Shortcut& key) {
  if (item.shortcut() == key) return true;
  for (const auto& sub : item.items())
    if (menu_carries(*sub, key)) return true;
  return false;
}

const Command* first_command_with(const tagpad::CommandList& list, const Shortcut& key) {
  for (const auto& command : list.commands())
    if (command->shortcut() == key) return command.get();
  return nullptr;
}

// The menu's item for the key is bound to this command, or reaches it by its
// command; a key the menu carries may run only that item's command.
bool menu_item_runs(const MenuModel::Item& item, const Shortcut& key, const Command& ran) {
  if (item.shortcut() == key) return item.command() == &ran;
  for (const auto& sub : item.items())
    if (menu_item_runs(*sub, key, ran)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::u32string_view Keys = U"ACEFOPVXZQa1";
  tagpad::fuzz::FuzzInput input(data, size);
  tagpad::CommandTable table;
  std::vector<const Command*> ran;
  for (const auto& command : table.action_list().commands()) {
    const Command* self = command.get();
    if (input.flag()) command->set_handler([&ran, self] { ran.push_back(self); });
    if (input.flag()) command->set_enabled(false);
  }
  for (int step = 0; step < 16 && input.byte() != 0xFF; ++step) {
    if (input.flag()) table.idle_refresh();
    const Shortcut key{Keys[input.byte() % Keys.size()], input.flag(), input.flag(), input.flag()};
    const Command* first = first_command_with(table.action_list(), key);
    const bool first_was_enabled = first && first->enabled();
    const bool in_menu = menu_carries(table.main_menu().root(), key);
    ran.clear();

    const bool consumed = table.dispatch_shortcut(key);

    check(ran.size() <= 1, "one key ran more than one handler");
    if (in_menu) {
      check(consumed, "a key the menu carries was not consumed");
      if (!ran.empty())
        check(menu_item_runs(table.main_menu().root(), key, *ran.front()), "the menu ran another command");
    } else {
      check(consumed == !ran.empty(), "the command list consumed a key without running, or ran without consuming");
      if (!ran.empty()) {
        check(ran.front() == first, "a key ran a command other than the first that carries it");
        check(first_was_enabled, "a disabled command ran");
      }
    }
    if (!in_menu && !first) check(!consumed, "a key nothing carries was consumed");
  }
  return 0;
}
