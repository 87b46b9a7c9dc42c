// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "support/dialog_widgets.h"
#include "support/key_press.h"

#include <cairomm/context.h>
#include <cairomm/surface.h>
#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/entry.h>
#include <gtkmm/radiobutton.h>
#include <gtkmm/textview.h>

#include <string>
#include <utility>

namespace tagpad {
namespace {

class SourcePaneSelection : public FormTest {
 protected:
  using Selection = std::pair<std::size_t, std::size_t>;

  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(iterate_until([&] { return form->get_mapped() && memo().get_realized(); }));
  }

  Gtk::TextView& memo() { return parts->Memo.view(); }
  Selection selection() { return {parts->memo_target.selection_start(), parts->memo_target.selection_length()}; }

  // The pane's pixels as it draws itself, once laid out anew.
  std::string pixels() {
    bool drawn = false;
    auto watch = memo().signal_draw().connect([&drawn](const Cairo::RefPtr<Cairo::Context>&) {
      drawn = true;
      return false;
    });
    memo().queue_draw();
    EXPECT_TRUE(iterate_until([&] { return drawn; }));
    watch.disconnect();
    auto surface =
        Cairo::ImageSurface::create(Cairo::FORMAT_ARGB32, memo().get_allocated_width(), memo().get_allocated_height());
    gtk_widget_draw(GTK_WIDGET(memo().gobj()), Cairo::Context::create(surface)->cobj());
    surface->flush();
    return {reinterpret_cast<const char*>(surface->get_data()),
            static_cast<std::size_t>(surface->get_stride() * surface->get_height())};
  }
};

TEST_F(SourcePaneSelection, HiddenWithoutTheFocusTextAndAll) {
  parts->Memo.set_text("<p>selected and not</p>\nwhole line\n");
  parts->Edit1.grab_focus();
  parts->memo_target.set_selection(0, 0);
  const std::string unselected = pixels();
  // Part of a line, and a line and a half.
  parts->memo_target.set_selection(3, 8);
  EXPECT_TRUE(pixels() == unselected);
  parts->memo_target.set_selection(3, 30);
  EXPECT_TRUE(pixels() == unselected);
  // With the focus it shows.
  form->present();
  memo().grab_focus();
  ASSERT_TRUE(iterate_until([&] { return memo().has_focus(); }));
  EXPECT_FALSE(pixels() == unselected);
}

TEST_F(SourcePaneSelection, KeptWhenTheAddressBarTakesTheFocusByKeyboard) {
  parts->Memo.set_text("foo foo foo");
  parts->Edit1.set_text("http://example.org/");
  memo().grab_focus();
  ASSERT_TRUE(parts->commands.command(CommandId::SearchFind1).execute());
  labelled<Gtk::Entry>(parts->find_dialog, "Fi_nd what:")->set_text("foo");
  labelled<Gtk::RadioButton>(parts->find_dialog, "_Up")->set_active(true);

  // Back in the pane, the user selects the last occurrence, which the pane
  // offers as the PRIMARY selection.
  form->present();
  ASSERT_TRUE(iterate_until([&] { return memo().has_focus(); }));
  parts->memo_target.set_selection(8, 3);
  GtkClipboard* primary = gtk_widget_get_clipboard(GTK_WIDGET(memo().gobj()), GDK_SELECTION_PRIMARY);
  ASSERT_TRUE(iterate_until([&] { return gtk_clipboard_get_owner(primary) == G_OBJECT(memo().get_buffer()->gobj()); }));

  // The keyboard moves the focus out of the pane to the address bar, which
  // selects its own text and takes PRIMARY.
  press(memo(), GDK_KEY_ISO_Left_Tab, GdkModifierType(GDK_CONTROL_MASK | GDK_SHIFT_MASK));
  ASSERT_EQ(form->get_focus(), &parts->Edit1);
  int start = 0, end = 0;
  ASSERT_TRUE(parts->Edit1.get_selection_bounds(start, end));
  EXPECT_EQ(selection(), Selection(8, 3));

  // So an upward search goes on from where the pane's selection is.
  static_cast<Gtk::Button*>(parts->find_dialog.get_widget_for_response(SearchDialog::FindNextResponse))->clicked();
  EXPECT_EQ(selection(), Selection(4, 3));
  EXPECT_TRUE(boxes.plain.empty());
}

TEST_F(SourcePaneSelection, ClaimsPrimaryOnceAfterABurstOfMovesWhileFocused) {
  parts->Memo.set_text("b b b");
  form->present();
  memo().grab_focus();
  ASSERT_TRUE(iterate_until([&] { return memo().has_focus(); }));
  GtkClipboard* primary = gtk_widget_get_clipboard(GTK_WIDGET(memo().gobj()), GDK_SELECTION_PRIMARY);
  gtk_clipboard_set_text(primary, "elsewhere", -1);

  // One claim for the whole burst of selection moves, a moment after it.
  for (std::size_t at = 0; at < 5; at += 2) parts->memo_target.set_selection(at, 1);
  EXPECT_EQ(gtk_clipboard_get_owner(primary), nullptr);
  EXPECT_TRUE(iterate_until([&] { return gtk_clipboard_get_owner(primary) == G_OBJECT(memo().get_buffer()->gobj()); }));
  gchar* claimed = gtk_clipboard_wait_for_text(primary);
  EXPECT_STREQ(claimed, "b");
  g_free(claimed);
}

}  // namespace
}  // namespace tagpad
