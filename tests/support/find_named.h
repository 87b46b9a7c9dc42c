// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtkmm/container.h>
#include <gtkmm/menu.h>
#include <gtkmm/menuitem.h>

#include <string>

namespace tagpad {

/// The widget of type T with this name inside `root`, submenus included.
template <typename T>
T* find_named(Gtk::Widget& root, const std::string& name) {
  if (root.get_name() == name)
    if (auto* found = dynamic_cast<T*>(&root)) return found;
  if (auto* item = dynamic_cast<Gtk::MenuItem*>(&root); item && item->get_submenu())
    if (auto* found = find_named<T>(*item->get_submenu(), name)) return found;
  if (auto* container = dynamic_cast<Gtk::Container*>(&root))
    for (Gtk::Widget* child : container->get_children())
      if (auto* found = find_named<T>(*child, name)) return found;
  return nullptr;
}

}  // namespace tagpad
