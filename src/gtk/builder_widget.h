// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/error.h"

#include <gtkmm/builder.h>

#include <string>

namespace tagpad {

/// A widget of a window description, or an error naming the file and id.
template <typename T>
T& widget(const Glib::RefPtr<Gtk::Builder>& builder, const char* file, const char* id) {
  T* found = nullptr;
  builder->get_widget(id, found);
  if (!found) throw Error(std::string(file) + ": no widget '" + id + "'");
  return *found;
}

/// Names each widget of a window description after its id, for style
/// sheets and for tests.
inline void name_widgets_after_ids(const Glib::RefPtr<Gtk::Builder>& builder) {
  for (const auto& object : builder->get_objects())
    if (GTK_IS_WIDGET(object->gobj()))
      gtk_widget_set_name(GTK_WIDGET(object->gobj()), gtk_buildable_get_name(GTK_BUILDABLE(object->gobj())));
}

}  // namespace tagpad
