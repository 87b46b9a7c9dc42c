// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/dialog_position.h"

#include "core/dialog_placement.h"

#include <gdkmm/display.h>
#include <gdkmm/monitor.h>

namespace tagpad {

Gtk::Window* active_window() {
  for (Gtk::Window* window : Gtk::Window::list_toplevels())
    if (window->is_active() && window->get_visible()) return window;
  return nullptr;
}

void place_modal_dialog(Gtk::Window& dialog) {
  Gtk::Window* parent = active_window();
  if (parent) dialog.set_transient_for(*parent);
  dialog.set_modal(true);
  auto display = Gdk::Display::get_default();
  Glib::RefPtr<Gdk::Monitor> monitor;
  if (parent && parent->get_window()) monitor = display->get_monitor_at_window(parent->get_window());
  if (!monitor) monitor = display->get_primary_monitor();
  if (!monitor) monitor = display->get_monitor(0);
  if (!monitor) return;
  Gdk::Rectangle area;
  monitor->get_workarea(area);
  Gtk::Requisition minimum;
  Gtk::Requisition natural;
  dialog.get_preferred_size(minimum, natural);
  const Point at = first_dialog_position({area.get_x(), area.get_y(), area.get_width(), area.get_height()},
                                         natural.width, natural.height);
  dialog.set_position(Gtk::WIN_POS_NONE);
  dialog.move(at.x, at.y);
}

}  // namespace tagpad
