// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/application_hint.h"
#include "core/menu_model.h"
#include "gtk/connections.h"

#include <gtkmm/menubar.h>
#include <gtkmm/menushell.h>

namespace tagpad {

/// The menu bar's widgets, built from the menu model and mirroring it:
/// captions with their access letters, enabled states, shown shortcuts,
/// and the highlighted item's hint.
class MainMenu {
 public:
  MainMenu(Gtk::MenuBar& bar, MenuModel& model, ApplicationHint& hint);

 private:
  void add_items(Gtk::MenuShell& shell, MenuModel::Item& parent);

  // Borrowed
  ApplicationHint& hint_;
  // The widgets outlive this object; their handlers end with it.
  Connections connections_;
};

}  // namespace tagpad
