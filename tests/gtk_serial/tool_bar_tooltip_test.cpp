// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "gtk/tooltip_window.h"
#include "support/dialog_widgets.h"
#include "support/x_pointer.h"

#include <string>

namespace tagpad {
namespace {

// The toolbar's tooltips under the X server's own pointer.
class ToolbarTooltips : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(iterate_until([&] { return form->get_mapped() && parts->Panel2.get_allocated_height() > 1; }));
    for (Gtk::Window* window : Gtk::Window::list_toplevels())
      if (auto* found = dynamic_cast<TooltipWindow*>(window)) tooltip = found;
    ASSERT_TRUE(tooltip);
    motion_ = form->signal_motion_notify_event().connect([this](GdkEventMotion* event) {
      seen_x = static_cast<int>(event->x_root);
      seen_y = static_cast<int>(event->y_root);
      return false;
    });
  }

  void TearDown() override { motion_.disconnect(); }

  Gtk::Widget& button(const char* name) { return *named(*form, name); }

  bool showing(const char* text) { return tooltip->get_visible() && tooltip->label().get_text() == text; }

  // Moves the pointer and handles the motion once it arrives, with what
  // else is ready then, but nothing that is still to come.
  void move_and_handle(Gtk::Widget& widget, int x, int y) {
    pointer.move_to(widget, x, y);
    int to_x = 0, to_y = 0, origin_x = 0, origin_y = 0;
    widget.translate_coordinates(*form, x, y, to_x, to_y);
    form->get_window()->get_origin(origin_x, origin_y);
    ASSERT_TRUE(iterate_until([&] { return seen_x == origin_x + to_x && seen_y == origin_y + to_y; }));
    while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
  }

  TooltipWindow* tooltip = nullptr;
  XPointer pointer;
  // Where the last motion that the window handled went.
  int seen_x = -1, seen_y = -1;
  sigc::connection motion_;
};

TEST_F(ToolbarTooltips, NextButtonShowsItsTipAtOnceUnderAMovingPointer) {
  Gtk::Widget& first = button("ToolButton1");
  Gtk::Widget& next = button("ToolButton2");
  pointer.move_to(first, 6, 10);
  pointer.move_to(first, 10, 10);
  ASSERT_TRUE(iterate_until([&] { return showing("새작업"); }));

  // Across into the next button and on inside it, a few pixels a move, as
  // a hand moves a mouse: now and then two moves come before the program
  // gets round to them.
  int first_x = 0, next_x = 0, y = 0;
  first.translate_coordinates(*form, 0, 0, first_x, y);
  next.translate_coordinates(*form, 0, 0, next_x, y);
  for (int x = 10; x < next_x - first_x + 20; x += 4) {
    pointer.move_to(first, x, 12);
    move_and_handle(first, x + 2, 13);
  }
  EXPECT_TRUE(showing("실행"));
}

}  // namespace
}  // namespace tagpad
