// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "support/find_named.h"

#include <gtkmm/accellabel.h>
#include <gtkmm/menu.h>
#include <gtkmm/menubar.h>
#include <gtkmm/menuitem.h>
#include <gtkmm/toolbar.h>
#include <gtkmm/toolbutton.h>

#include <optional>
#include <string>
#include <vector>

namespace tagpad {
namespace {

// The labels of a menu shell's items, with their shown shortcuts.
std::vector<std::string> labels(Gtk::MenuShell& shell) {
  std::vector<std::string> out;
  for (Gtk::Widget* child : shell.get_children()) {
    auto* item = dynamic_cast<Gtk::MenuItem*>(child);
    std::string text = item->get_label();
    if (auto* accel = dynamic_cast<Gtk::AccelLabel*>(item->get_child())) {
      guint key = 0;
      Gdk::ModifierType mods{};
      accel->get_accel(key, mods);
      if (key) text += "\t" + Gtk::AccelGroup::get_label(key, mods);
    }
    out.push_back(text);
  }
  return out;
}

TEST_F(FormTest, MenuBarAsBuiltShowsTheTable) {
  auto* bar = find_named<Gtk::MenuBar>(*form, "MainMenu1");
  ASSERT_TRUE(bar);
  EXPECT_EQ(labels(*bar), (std::vector<std::string>{"파일(_F)", "편집(_E)", "보기(_V)", "도움말(_H)"}));
  auto submenu = [&](const char* name) { return labels(*find_named<Gtk::MenuItem>(*form, name)->get_submenu()); };
  EXPECT_EQ(submenu("N1"), (std::vector<std::string>{"새작업", "열기", "저장", "Page Set_up...", "Print Set_up...",
                                                     "_Print...\tCtrl+P", "끝내기"}));
  EXPECT_EQ(submenu("N2"), (std::vector<std::string>{"_Undo\tCtrl+Z", "Select _All\tCtrl+A", "_Copy\tCtrl+C",
                                                     "_Paste\tCtrl+V", "_Find...\tCtrl+F", "_Replace"}));
  EXPECT_EQ(submenu("N3"), (std::vector<std::string>{"실행", "폰크사이즈", "HTML 소스보기"}));
  EXPECT_EQ(submenu("N20"), (std::vector<std::string>{"크게", "작게"}));
  EXPECT_EQ(submenu("N4"), (std::vector<std::string>{"정보"}));
}

TEST_F(FormTest, ToolbarAsBuiltShowsTheTable) {
  auto* toolbar = find_named<Gtk::Toolbar>(*form, "ToolBar1");
  ASSERT_TRUE(toolbar);
  // The stop button follows downloads once the first one has ended.
  ASSERT_TRUE(iterate_until([&] { return !form->commands.command("ActStop").enabled(); }));
  struct Expected {
    const char* name;
    const char* label;
    // Unset where the command's handler is not written yet: such a command
    // turns itself off at its first idle refresh.
    std::optional<bool> sensitive;
  };
  const std::vector<Expected> expected = {
      {"ToolButton1", "새작업", true}, {"ToolButton2", "실행", true},       {"ToolButton3", "열기", true},
      {"ToolButton4", "저장", true},   {"ToolButton10", "이전", false},     {"ActForward", "", false},
      {"ToolButton8", "", false},      {"ToolButton13", "HTML", true},      {"ToolButton5", "종료", true},
      {"ToolButton9", "", true}};
  std::vector<std::string> names;
  for (int i = 0; i < toolbar->get_n_items(); ++i) names.push_back(toolbar->get_nth_item(i)->get_name());
  EXPECT_EQ(names.size(), 16u);
  for (const Expected& button : expected) {
    auto* widget = find_named<Gtk::ToolButton>(*toolbar, button.name);
    ASSERT_TRUE(widget) << button.name;
    EXPECT_EQ(widget->get_label(), button.label) << button.name;
    if (button.sensitive) {
      EXPECT_EQ(widget->get_sensitive(), *button.sensitive) << button.name;
    }
    EXPECT_TRUE(widget->get_icon_widget()) << button.name;
  }
  EXPECT_EQ(find_named<Gtk::ToolButton>(*toolbar, "ToolButton9")->get_accessible()->get_name(), "프로그램정보");
}

TEST_F(FormTest, RunAndNewWorkFromTheirControls) {
  form->Memo.set_text("<b>y</b>");
  g_signal_emit_by_name(find_named<Gtk::ToolButton>(*form, "ToolButton2")->gobj(), "clicked");
  EXPECT_NE(preview_html().find("<b>y</b>"), std::string::npos);
  find_named<Gtk::MenuItem>(*form, "N5")->activate();
  EXPECT_EQ(form->Memo.text(), "");
  EXPECT_EQ(preview_html(), "<head></head><body></body>");
}

}  // namespace
}  // namespace tagpad
