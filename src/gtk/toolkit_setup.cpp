// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/toolkit_setup.h"

#include <glibmm/miscutils.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>
#include <gtksourceview/gtksource.h>

// Generated with the resource bundle; registered by hand so that linking
// the static library cannot drop it.
extern "C" void tagpad_register_resource(void);

namespace tagpad {

void prepare_toolkit() {
  if (Glib::get_application_name() != "Tagpad") Glib::set_application_name("Tagpad");
  tagpad_register_resource();
  gtk_source_init();
  auto css = Gtk::CssProvider::create();
  css->load_from_resource("/org/tagpad/tagpad.css");
  Gtk::StyleContext::add_provider_for_screen(Gdk::Screen::get_default(), css, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

}  // namespace tagpad
