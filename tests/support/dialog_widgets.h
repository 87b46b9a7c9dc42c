// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtkmm/button.h>
#include <gtkmm/container.h>
#include <gtkmm/dialog.h>
#include <gtkmm/label.h>

#include <string>
#include <vector>

namespace tagpad {

/// Every widget of type T inside `widget`, in the order GTK lists them.
template <typename T>
void collect(Gtk::Widget& widget, std::vector<T*>& found) {
  if (auto* match = dynamic_cast<T*>(&widget)) found.push_back(match);
  if (auto* container = dynamic_cast<Gtk::Container*>(&widget)) {
    for (Gtk::Widget* child : container->get_children()) collect(*child, found);
  }
}

template <typename T>
std::vector<T*> all_of(Gtk::Widget& widget) {
  std::vector<T*> found;
  collect(widget, found);
  return found;
}

/// The widget inside `widget` (itself included) that carries this name, as T.
template <typename T = Gtk::Widget>
T* named(Gtk::Widget& widget, const std::string& name) {
  for (auto* candidate : all_of<Gtk::Widget>(widget)) {
    if (candidate->get_name() == name) return dynamic_cast<T*>(candidate);
  }
  return nullptr;
}

/// The button with this mnemonic label in the dialog's content, or the
/// entry that the label names.
template <typename T>
T* labelled(Gtk::Dialog& dialog, const char* label) {
  for (auto* button : all_of<Gtk::Button>(*dialog.get_content_area())) {
    if (button->get_label() == label) return dynamic_cast<T*>(button);
  }
  for (auto* text : all_of<Gtk::Label>(*dialog.get_content_area())) {
    if (text->get_label() == label) return dynamic_cast<T*>(text->get_mnemonic_widget());
  }
  return nullptr;
}

}  // namespace tagpad
