// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/command_control.h"
#include "core/shortcut.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tagpad {

/// A menu bar's tree of items. The root item stands for the menu itself: it
/// has no name, caption or command; its sub-items are the top-level items.
class MenuModel {
 public:
  class Item : public BoundControl {
   public:
    /// Use `add` on the parent (or `MenuModel::add`) rather than this.
    Item(ControlValues values, Item* parent);

    /// Appends a sub-item; the item owns it and it stays at this address.
    Item& add(ControlValues values);

    Item* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Item>>& items() const { return items_; }
    bool is_top_level() const { return parent_ && !parent_->parent_; }

    /// Whether the menu shows the shortcut after the caption: only items
    /// without sub-items that are not top-level do.
    bool shows_shortcut() const { return items_.empty() && parent_ && !is_top_level(); }

    /// Refreshes the commands of the visible sub-items; run before the
    /// submenu is drawn and on the way down of a shortcut's click.
    void refresh_sub_item_commands();

    /// This item or a descendant with that name; nullptr for none.
    Item* find(std::string_view name);

    /// Depth first in menu order, an item before its sub-items; nullptr for
    /// none (and always for `Shortcut{}`).
    Item* find_shortcut(const Shortcut& shortcut);

   private:
    Item* parent_;
    std::vector<std::unique_ptr<Item>> items_;
  };

  MenuModel();

  Item& root() { return root_; }
  /// Appends a top-level item.
  Item& add(ControlValues values) { return root_.add(std::move(values)); }
  const std::vector<std::unique_ptr<Item>>& items() const { return root_.items(); }

  Item* find(std::string_view name);
  Item* find_shortcut(const Shortcut& shortcut) { return root_.find_shortcut(shortcut); }

 private:
  Item root_;
};

}  // namespace tagpad
