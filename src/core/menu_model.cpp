// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/menu_model.h"

namespace tagpad {

MenuModel::Item::Item(ControlValues values, Item* parent) : BoundControl(std::move(values)), parent_(parent) {}

MenuModel::Item& MenuModel::Item::add(ControlValues values) {
  return *items_.emplace_back(std::make_unique<Item>(std::move(values), this));
}

void MenuModel::Item::refresh_sub_item_commands() {
  for (const auto& item : items_) item->refresh_command();
}

MenuModel::Item* MenuModel::Item::find(std::string_view name) {
  if (this->name() == name) return this;
  for (const auto& item : items_) {
    if (Item* found = item->find(name)) return found;
  }
  return nullptr;
}

MenuModel::Item* MenuModel::Item::find_shortcut(const Shortcut& shortcut) {
  if (shortcut.is_none()) return nullptr;
  if (this->shortcut() == shortcut) return this;
  for (const auto& item : items_) {
    if (Item* found = item->find_shortcut(shortcut)) return found;
  }
  return nullptr;
}

MenuModel::MenuModel() : root_({}, nullptr) {}

MenuModel::Item* MenuModel::find(std::string_view name) { return name.empty() ? nullptr : root_.find(name); }

}  // namespace tagpad
