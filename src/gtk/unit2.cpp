// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/unit2.h"

namespace tagpad {
namespace {

constexpr int Left = 724;
constexpr int Top = 289;

}  // namespace

std::unique_ptr<TForm2> TForm2::create() {
  auto builder = Gtk::Builder::create_from_resource("/org/tagpad/unit2.ui");
  TForm2* form = nullptr;
  builder->get_widget_derived("TForm2", form);
  return std::unique_ptr<TForm2>(form);
}

TForm2::TForm2(BaseObjectType* object, const Glib::RefPtr<Gtk::Builder>&) : Gtk::Window(object) { move(Left, Top); }

}  // namespace tagpad
