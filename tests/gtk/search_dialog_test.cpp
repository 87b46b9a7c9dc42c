// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/search_dialog.h"

#include "gtk/toolkit_setup.h"
#include "support/dialog_widgets.h"

#include <gdkmm/display.h>
#include <gdkmm/monitor.h>
#include <gdkmm/rectangle.h>
#include <glibmm/main.h>

#include <gtest/gtest.h>

namespace tagpad {
namespace {

void settle() {
  while (Glib::MainContext::get_default()->iteration(false)) {
  }
}

class SearchDialogTest : public testing::Test {
 protected:
  void SetUp() override { prepare_toolkit(); }

  SearchDialog::Handlers counting_handlers() {
    return {.find_next = [this] { ++find_next_count; },
            .replace = [this] { ++replace_count; },
            .replace_all = [this] { ++replace_all_count; }};
  }

  Gtk::Window parent;
  FindDialogState state;
  int find_next_count = 0;
  int replace_count = 0;
  int replace_all_count = 0;
};

TEST_F(SearchDialogTest, FindModeWritesEveryChangeIntoTheState) {
  SearchDialog dialog(parent, state, false, counting_handlers());
  EXPECT_EQ(dialog.get_title(), "Find");
  EXPECT_FALSE(dialog.get_modal());
  EXPECT_EQ(dialog.get_transient_for(), &parent);

  EXPECT_EQ(all_of<Gtk::Entry>(*dialog.get_content_area()).size(), 1u);
  auto* search = labelled<Gtk::Entry>(dialog, "Fi_nd what:");
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(search->get_max_length(), 255);
  search->set_text("needle");
  EXPECT_EQ(state.search_text(), "needle");

  auto* up = labelled<Gtk::RadioButton>(dialog, "_Up");
  auto* down = labelled<Gtk::RadioButton>(dialog, "_Down");
  ASSERT_NE(up, nullptr);
  ASSERT_NE(down, nullptr);
  EXPECT_FALSE(up->get_active());
  EXPECT_TRUE(down->get_active());
  up->set_active(true);
  EXPECT_FALSE(state.down());
  down->set_active(true);
  EXPECT_TRUE(state.down());

  auto* whole_word = labelled<Gtk::CheckButton>(dialog, "Match _whole word only");
  auto* match_case = labelled<Gtk::CheckButton>(dialog, "Match _case");
  ASSERT_NE(whole_word, nullptr);
  ASSERT_NE(match_case, nullptr);
  whole_word->set_active(true);
  EXPECT_TRUE(state.whole_word());
  EXPECT_FALSE(state.match_case());
  match_case->set_active(true);
  EXPECT_TRUE(state.match_case());

  EXPECT_EQ(dialog.get_widget_for_response(SearchDialog::ReplaceResponse), nullptr);
  EXPECT_NE(dialog.get_widget_for_response(Gtk::RESPONSE_CANCEL), nullptr);
}

TEST_F(SearchDialogTest, WidgetsStartFromTheState) {
  state.set_search_text("kept");
  state.set_down(false);
  state.set_match_case(true);
  SearchDialog dialog(parent, state, false, counting_handlers());
  EXPECT_EQ(labelled<Gtk::Entry>(dialog, "Fi_nd what:")->get_text(), "kept");
  EXPECT_TRUE(labelled<Gtk::RadioButton>(dialog, "_Up")->get_active());
  EXPECT_TRUE(labelled<Gtk::CheckButton>(dialog, "Match _case")->get_active());
  EXPECT_FALSE(labelled<Gtk::CheckButton>(dialog, "Match _whole word only")->get_active());
}

TEST_F(SearchDialogTest, RequestButtonsNeedASearchText) {
  SearchDialog dialog(parent, state, true, counting_handlers());
  auto* find_next = dialog.get_widget_for_response(SearchDialog::FindNextResponse);
  auto* replace = dialog.get_widget_for_response(SearchDialog::ReplaceResponse);
  auto* replace_all = dialog.get_widget_for_response(SearchDialog::ReplaceAllResponse);
  ASSERT_NE(find_next, nullptr);
  ASSERT_NE(replace, nullptr);
  ASSERT_NE(replace_all, nullptr);
  EXPECT_FALSE(find_next->get_sensitive());
  EXPECT_FALSE(replace->get_sensitive());
  EXPECT_FALSE(replace_all->get_sensitive());

  labelled<Gtk::Entry>(dialog, "Fi_nd what:")->set_text("a");
  EXPECT_TRUE(find_next->get_sensitive());
  EXPECT_TRUE(replace->get_sensitive());
  EXPECT_TRUE(replace_all->get_sensitive());

  dialog.response(SearchDialog::FindNextResponse);
  dialog.response(SearchDialog::ReplaceResponse);
  dialog.response(SearchDialog::ReplaceAllResponse);
  dialog.response(SearchDialog::ReplaceAllResponse);
  EXPECT_EQ(find_next_count, 1);
  EXPECT_EQ(replace_count, 1);
  EXPECT_EQ(replace_all_count, 2);
}

TEST_F(SearchDialogTest, ReplaceModeHasAReplacementTextAndNoDirection) {
  SearchDialog dialog(parent, state, true, counting_handlers());
  EXPECT_EQ(dialog.get_title(), "Replace");
  EXPECT_TRUE(all_of<Gtk::RadioButton>(*dialog.get_content_area()).empty());
  auto* replacement = labelled<Gtk::Entry>(dialog, "Re_place with:");
  ASSERT_NE(replacement, nullptr);
  EXPECT_EQ(replacement->get_max_length(), 255);
  replacement->set_text("with");
  EXPECT_EQ(state.replacement_text(), "with");
  EXPECT_EQ(state.search_text(), "");
}

TEST_F(SearchDialogTest, CloseHidesAndRecordsThePosition) {
  parent.show();
  SearchDialog dialog(parent, state, false, counting_handlers());
  dialog.show_dialog();
  settle();
  EXPECT_TRUE(dialog.get_visible());
  EXPECT_FALSE(state.position());

  dialog.move(40, 50);
  settle();
  int x = 0;
  int y = 0;
  dialog.get_position(x, y);
  dialog.response(Gtk::RESPONSE_CANCEL);
  EXPECT_FALSE(dialog.get_visible());
  ASSERT_TRUE(state.position());
  EXPECT_EQ(*state.position(), (Point{x, y}));
  EXPECT_EQ(find_next_count, 0);

  dialog.show_dialog();
  settle();
  EXPECT_TRUE(dialog.get_visible());
  int again_x = 0;
  int again_y = 0;
  dialog.get_position(again_x, again_y);
  EXPECT_EQ((Point{again_x, again_y}), (Point{x, y}));
}

TEST_F(SearchDialogTest, FirstShownCentredOnTheParentsMonitor) {
  parent.show();
  settle();
  SearchDialog dialog(parent, state, false, counting_handlers());
  Gtk::Requisition minimum;
  Gtk::Requisition natural;
  dialog.get_preferred_size(minimum, natural);
  Gdk::Rectangle area;
  parent.get_display()->get_monitor_at_window(parent.get_window())->get_workarea(area);
  const Point expected = first_dialog_position({area.get_x(), area.get_y(), area.get_width(), area.get_height()},
                                               natural.width, natural.height);

  dialog.show_dialog();
  settle();
  int x = 0;
  int y = 0;
  dialog.get_position(x, y);
  EXPECT_EQ((Point{x, y}), expected);
}

TEST_F(SearchDialogTest, EscapeCloses) {
  SearchDialog dialog(parent, state, false, counting_handlers());
  dialog.show_dialog();
  settle();
  EXPECT_TRUE(gtk_bindings_activate(G_OBJECT(dialog.gobj()), GDK_KEY_Escape, GdkModifierType(0)));
  // The dialog closes through a delete event sent from the main loop.
  settle();
  EXPECT_FALSE(dialog.get_visible());
  EXPECT_TRUE(state.position());
}

TEST_F(SearchDialogTest, TheCloseBoxOnlyHides) {
  SearchDialog dialog(parent, state, true, counting_handlers());
  dialog.show_dialog();
  settle();
  GdkEvent* event = gdk_event_new(GDK_DELETE);
  event->any.window = GDK_WINDOW(g_object_ref(dialog.get_window()->gobj()));
  gtk_main_do_event(event);
  gdk_event_free(event);
  EXPECT_FALSE(dialog.get_visible());
  EXPECT_TRUE(state.position());
  EXPECT_EQ(dialog.get_title(), "Replace");
  dialog.show_dialog();
  EXPECT_TRUE(dialog.get_visible());
}

}  // namespace
}  // namespace tagpad
