// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/mnemonic.h"
#include "core/shortcut.h"
#include "form_fixture.h"
#include "support/find_named.h"

#include <gtkmm/accellabel.h>
#include <gtkmm/menu.h>
#include <gtkmm/menubar.h>
#include <gtkmm/menuitem.h>
#include <gtkmm/toolbar.h>
#include <gtkmm/toolbutton.h>

#include <string>
#include <vector>

namespace tagpad {
namespace {

// The shortcut a menu item's label shows, as the menu model writes it.
std::string shown_shortcut(Gtk::MenuItem& item) {
  auto* accel = dynamic_cast<Gtk::AccelLabel*>(item.get_child());
  if (!accel) return "";
  guint key = 0;
  Gdk::ModifierType mods{};
  accel->get_accel(key, mods);
  return key ? std::string(Gtk::AccelGroup::get_label(key, mods)) : "";
}

// Each model item's widget, in the model's order, shows its values; the
// table's values themselves are pinned once, in the core tests.
void expect_mirrors(Gtk::MenuShell& shell, const MenuModel::Item& parent) {
  const std::vector<Gtk::Widget*> children = shell.get_children();
  ASSERT_EQ(children.size(), parent.items().size()) << parent.name();
  for (std::size_t i = 0; i < children.size(); ++i) {
    const MenuModel::Item& item = *parent.items()[i];
    SCOPED_TRACE(item.name());
    auto* widget = dynamic_cast<Gtk::MenuItem*>(children[i]);
    ASSERT_TRUE(widget);
    EXPECT_EQ(widget->get_name(), item.name());
    EXPECT_EQ(widget->get_label(), mnemonic_label(item.caption()));
    EXPECT_EQ(shown_shortcut(*widget), item.shows_shortcut() ? shortcut_text(item.shortcut()) : "");
    EXPECT_EQ(widget->get_sensitive(), item.enabled());
    EXPECT_EQ(widget->get_submenu() != nullptr, !item.items().empty());
    if (widget->get_submenu()) expect_mirrors(*widget->get_submenu(), item);
  }
}

TEST_F(FormTest, MenuBarMirrorsTheMenuModel) {
  auto* bar = find_named<Gtk::MenuBar>(*form, "MainMenu1");
  ASSERT_TRUE(bar);
  expect_mirrors(*bar, parts->commands.main_menu().root());
  // One sample of the translation, in full: the access letter and the shortcut.
  EXPECT_EQ(find_named<Gtk::MenuItem>(*form, "N23")->get_label(), "_Print...");
  EXPECT_EQ(shown_shortcut(*find_named<Gtk::MenuItem>(*form, "N23")), "Ctrl+P");
}

TEST_F(FormTest, ToolbarMirrorsTheToolbarModel) {
  auto* toolbar = find_named<Gtk::Toolbar>(*form, "ToolBar1");
  ASSERT_TRUE(toolbar);
  // The stop button follows downloads once the first one has ended.
  ASSERT_TRUE(iterate_until([&] { return !parts->commands.command(CommandId::ActStop).enabled(); }));
  const auto& buttons = parts->commands.tool_bar().buttons();
  ASSERT_EQ(toolbar->get_n_items(), static_cast<int>(buttons.size()));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const ToolbarModel::Button& button = *buttons[i];
    SCOPED_TRACE(i + 1);
    Gtk::ToolItem* widget = toolbar->get_nth_item(static_cast<int>(i));
    EXPECT_EQ(widget->get_name(), button.name());
    EXPECT_EQ(widget->get_sensitive(), button.enabled());
    auto* tool_button = dynamic_cast<Gtk::ToolButton*>(widget);
    ASSERT_EQ(tool_button != nullptr, !button.is_separator());
    if (!tool_button) continue;
    EXPECT_EQ(tool_button->get_label(), plain_label(button.caption()));
    EXPECT_EQ(tool_button->get_icon_widget() != nullptr, button.image_index().has_value());
    EXPECT_EQ(tool_button->get_accessible()->get_name(), accessible_name(button.caption(), button.hint()));
  }
}

TEST_F(FormTest, RunAndNewWorkFromTheirControls) {
  parts->Memo.set_text("<b>y</b>");
  g_signal_emit_by_name(find_named<Gtk::ToolButton>(*form, "ToolButton2")->gobj(), "clicked");
  EXPECT_NE(preview_html().find("<b>y</b>"), std::string::npos);
  find_named<Gtk::MenuItem>(*form, "N5")->activate();
  EXPECT_EQ(parts->Memo.text(), "");
  EXPECT_EQ(preview_html(), "<head></head><body></body>");
}

}  // namespace
}  // namespace tagpad
