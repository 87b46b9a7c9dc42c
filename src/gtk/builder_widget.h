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

}  // namespace tagpad
