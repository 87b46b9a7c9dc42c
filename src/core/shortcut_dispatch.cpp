// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/shortcut_dispatch.h"

#include <vector>

namespace tagpad {

namespace {

void click_from_top(MenuModel::Item& match) {
  std::vector<MenuModel::Item*> path;
  for (MenuModel::Item* item = &match; item; item = item->parent()) path.push_back(item);
  for (auto step = path.rbegin(); step != path.rend(); ++step) {
    MenuModel::Item& item = **step;
    if (!item.enabled()) return;
    item.refresh_sub_item_commands();
    item.click();
  }
}

}  // namespace

bool dispatch_shortcut(MenuModel& menu, CommandList& commands, const Shortcut& key) {
  if (MenuModel::Item* match = menu.find_shortcut(key)) {
    click_from_top(*match);
    return true;
  }
  Command* command = commands.find_shortcut(key);
  return command && command->execute();
}

}  // namespace tagpad
