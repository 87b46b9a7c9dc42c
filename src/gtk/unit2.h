// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtkmm/builder.h>
#include <gtkmm/window.h>

#include <memory>

namespace tagpad {

/// The About box.
class TForm2 : public Gtk::Window {
 public:
  static std::unique_ptr<TForm2> create();
  TForm2(BaseObjectType* object, const Glib::RefPtr<Gtk::Builder>& builder);
};

}  // namespace tagpad
