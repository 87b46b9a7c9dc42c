// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/main_menu.h"

#include "core/command.h"
#include "core/mnemonic.h"

#include <gtkmm/accellabel.h>
#include <gtkmm/menu.h>
#include <gtkmm/menuitem.h>

namespace tagpad {
namespace {

void show_shortcut(Gtk::MenuItem& widget, const Shortcut& shortcut) {
  auto* label = dynamic_cast<Gtk::AccelLabel*>(widget.get_child());
  if (!label || shortcut.is_none()) return;
  Gdk::ModifierType mods{};
  if (shortcut.ctrl) mods |= Gdk::CONTROL_MASK;
  if (shortcut.shift) mods |= Gdk::SHIFT_MASK;
  if (shortcut.alt) mods |= Gdk::MOD1_MASK;
  label->set_accel(gdk_unicode_to_keyval(shortcut.key), mods);
}

}  // namespace

MainMenu::MainMenu(Gtk::MenuBar& bar, MenuModel& model, ApplicationHint& hint) : hint_(hint) {
  add_items(bar, model.root());
  connections_.add(bar.signal_deactivate().connect([this] { hint_.set(""); }));
}

void MainMenu::add_items(Gtk::MenuShell& shell, MenuModel::Item& parent) {
  for (const auto& owned : parent.items()) {
    MenuModel::Item& item = *owned;
    auto* widget = Gtk::make_managed<Gtk::MenuItem>(mnemonic_label(item.caption()), true);
    widget->set_name(item.name());
    widget->set_sensitive(item.enabled());
    widget->set_visible(item.visible());
    if (item.shows_shortcut()) show_shortcut(*widget, item.shortcut());
    item.set_on_changed([widget, &item](BoundControl::Property property) {
      if (property == BoundControl::Property::Enabled) widget->set_sensitive(item.enabled());
      if (property == BoundControl::Property::Caption) widget->set_label(mnemonic_label(item.caption()));
      if (property == BoundControl::Property::Visible) widget->set_visible(item.visible());
    });
    connections_.add(widget->signal_select().connect([this, &item] { hint_.set_from_control(&item); }));
    if (item.items().empty()) {
      connections_.add(widget->signal_activate().connect([&item] { item.click(); }));
    } else {
      auto* submenu = Gtk::make_managed<Gtk::Menu>();
      add_items(*submenu, item);
      // The items' commands decide their states before the submenu is drawn.
      connections_.add(submenu->signal_show().connect([&item] { item.refresh_sub_item_commands(); }));
      widget->set_submenu(*submenu);
    }
    shell.append(*widget);
  }
}

}  // namespace tagpad
