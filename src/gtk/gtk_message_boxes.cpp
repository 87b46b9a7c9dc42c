// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_message_boxes.h"

#include <glibmm/miscutils.h>
#include <gtkmm/image.h>
#include <gtkmm/messagedialog.h>
#include <gtkmm/window.h>

namespace tagpad {
namespace {

Gtk::Window* active_window() {
  for (Gtk::Window* window : Gtk::Window::list_toplevels())
    if (window->is_active() && window->get_visible()) return window;
  return nullptr;
}

Gtk::Image& error_icon() {
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name("dialog-error", Gtk::ICON_SIZE_DIALOG);
  icon->show();
  return *icon;
}

void run_box(const std::string& text, Gtk::MessageType type, Gtk::WindowPosition position) {
  Gtk::MessageDialog box(text, false, type, Gtk::BUTTONS_OK, true);
  box.set_title(Glib::get_application_name());
  if (type == Gtk::MESSAGE_OTHER) box.set_image(*Gtk::make_managed<Gtk::Box>());
  // GTK 3 message boxes draw no icon of their own.
  if (type == Gtk::MESSAGE_ERROR) box.set_image(error_icon());
  if (Gtk::Window* parent = active_window(); parent && position != Gtk::WIN_POS_CENTER) box.set_transient_for(*parent);
  box.set_position(position);
  box.run();
}

}  // namespace

void GtkMessageBoxes::show_error(const std::string& text) {
  run_box(text, Gtk::MESSAGE_ERROR, Gtk::WIN_POS_CENTER_ON_PARENT);
}

void GtkMessageBoxes::show_plain(const std::string& text) { run_box(text, Gtk::MESSAGE_OTHER, Gtk::WIN_POS_CENTER); }

}  // namespace tagpad
