// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "support/dialog_widgets.h"
#include "support/x_pointer.h"

#include <gtkmm/toolbar.h>

#include <string>

namespace tagpad {
namespace {

// The main window as a user sees it: mapped, laid out, under the X pointer.
class WindowLayout : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(iterate_until([&] { return form->get_mapped() && parts->Panel2.get_allocated_height() > 1; }));
    splitter = named(*form, "Splitter1");
    splitter_line = named(*form, "SplitterLine");
    ASSERT_TRUE(splitter && splitter_line);
  }

  // Where the bar's top edge lies on the screen.
  int splitter_screen_y() {
    int x = 0, y = 0, origin_x = 0, origin_y = 0;
    splitter->translate_coordinates(*form, 0, 0, x, y);
    form->get_window()->get_origin(origin_x, origin_y);
    return origin_y + y;
  }

  // Presses on the bar, moves the held pointer in small steps to the
  // screen row `to_y` and lets go there.
  void drag_splitter_to(int to_y) {
    const int from_y = splitter_screen_y();
    pointer.move_to(*splitter, 300, 0);
    pointer.press();
    const int step = to_y < from_y ? -10 : 10;
    for (int y = from_y; (step < 0 ? y > to_y : y < to_y); y += step) pointer.move_to_screen(400, y);
    pointer.move_to_screen(400, to_y);
    // Only the line moves while the button is held.
    EXPECT_TRUE(iterate_until([&] { return splitter_line->get_visible(); }));
    pointer.release();
    EXPECT_TRUE(iterate_until([&] { return !splitter_line->get_visible(); }));
  }

  int preview_height() { return parts->Panel1.get_visible() ? parts->Panel1.get_allocated_height() : 0; }

  // Whether the bar lies at the window's bottom, the preview shut.
  bool splitter_at_bottom() {
    int x = 0, y = 0;
    splitter->translate_coordinates(*form, 0, 0, x, y);
    return y + splitter->get_allocated_height() == form->get_allocated_height();
  }

  XPointer pointer;
  Gtk::Widget* splitter = nullptr;
  Gtk::Widget* splitter_line = nullptr;
};

TEST_F(WindowLayout, SplitterDragCollapsesRestoresAndStopsAtTheEditorsMinimum) {
  const int window_height = form->get_allocated_height();
  ASSERT_EQ(preview_height(), 282);

  // Released within 10 pixels of the window's bottom: the preview shuts.
  int origin_x = 0, origin_y = 0;
  form->get_window()->get_origin(origin_x, origin_y);
  drag_splitter_to(origin_y + window_height - 6);
  EXPECT_TRUE(iterate_until([&] { return !parts->Panel1.get_visible() && splitter_at_bottom(); }));

  // Dragged up again, it opens where the button was released.
  const int collapsed_y = splitter_screen_y();
  drag_splitter_to(collapsed_y - 150);
  EXPECT_TRUE(iterate_until([&] { return preview_height() == 150; }, 3)) << preview_height();
  EXPECT_EQ(parts->Splitter1.preview_height(), 150);
  drag_splitter_to(splitter_screen_y() - 100);
  EXPECT_TRUE(iterate_until([&] { return preview_height() == 250; }, 3)) << preview_height();

  // Up to the tool band: the editor keeps 10 pixels, the window its size.
  drag_splitter_to(origin_y + 5);
  EXPECT_TRUE(iterate_until([&] { return parts->Panel2.get_allocated_height() == 10; }, 3))
      << parts->Panel2.get_allocated_height();
  EXPECT_EQ(form->get_allocated_height(), window_height);
  EXPECT_EQ(parts->Splitter1.preview_height(), preview_height());
}

TEST_F(WindowLayout, StartsWithTheRowsOfTheDesignBelowTheMenuBar) {
  // The menu bar is as high as the toolkit draws it; the rest is fixed.
  EXPECT_TRUE(iterate_until([&] { return parts->Panel2.get_allocated_height() == 310; }, 3))
      << parts->Panel2.get_allocated_height();
  EXPECT_EQ(form->get_allocated_width(), 968);
  EXPECT_EQ(named(*form, "CoolBar1")->get_allocated_height(), 67);
  EXPECT_EQ(splitter->get_allocated_height(), 2);
  EXPECT_EQ(preview_height(), 282);
  EXPECT_EQ(parts->WebBrowser.widget().get_allocated_height(), 261);
  EXPECT_EQ(parts->StatusBar1.get_allocated_height(), 19);
}

TEST_F(WindowLayout, NarrowsToItsMinimumWhileTheToolbarKeepsItsItemSizes) {
  auto* toolbar = named<Gtk::Toolbar>(*form, "ToolBar1");
  ASSERT_TRUE(toolbar);
  const auto& buttons = parts->commands.tool_bar().buttons();
  auto expect_item_widths = [&] {
    const auto items = toolbar->get_children();
    ASSERT_EQ(items.size(), buttons.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (buttons[i]->is_separator()) {
        EXPECT_EQ(items[i]->get_allocated_width(), 3) << "item " << i;
      }
      if (buttons[i]->name() == "ToolButton13") {
        EXPECT_EQ(items[i]->get_allocated_width(), 79);
      }
    }
  };
  expect_item_widths();
  form->resize(400, form->get_allocated_height());
  EXPECT_TRUE(iterate_until([&] { return form->get_allocated_width() == 792; }, 3)) << form->get_allocated_width();
  expect_item_widths();
}

}  // namespace
}  // namespace tagpad
