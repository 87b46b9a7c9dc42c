// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"
#include "form_fixture.h"
#include "support/key_press.h"

#include <gtkmm/textview.h>

namespace tagpad {
namespace {

TEST_F(FormTest, EveryChangeShowsTheLineCount) {
  EXPECT_EQ(form->StatusBar1.get_text(), "");
  form->Memo.set_text("abc\n");
  EXPECT_EQ(form->StatusBar1.get_text(), "1 줄");
  form->Memo.set_text("abc\ndef");
  EXPECT_EQ(form->StatusBar1.get_text(), "2 줄");
  form->Memo.set_text("");
  EXPECT_EQ(form->StatusBar1.get_text(), "0 줄");
  form->Memo.add_line("<p>");
  EXPECT_EQ(form->Memo.text(), "<p>\n");
  EXPECT_EQ(form->StatusBar1.get_text(), "1 줄");
}

TEST_F(FormTest, CtrlIJMInsertNothingAndTheNextLetterDoes) {
  Gtk::TextView& memo = form->Memo.view();
  memo.grab_focus();
  ASSERT_TRUE(iterate_until([&] { return memo.get_realized(); }));
  for (guint key : {GDK_KEY_i, GDK_KEY_j, GDK_KEY_m}) EXPECT_TRUE(press(memo, key, GDK_CONTROL_MASK)) << key;
  EXPECT_TRUE(press(memo, GDK_KEY_I, GdkModifierType(GDK_CONTROL_MASK | GDK_SHIFT_MASK)));
  EXPECT_EQ(form->Memo.text(), "");
  press(memo, GDK_KEY_i, GdkModifierType(0));
  press(memo, GDK_KEY_Tab, GdkModifierType(0));
  EXPECT_EQ(form->Memo.text(), "i\t");
}

TEST_F(FormTest, TabMovesTheFocusAroundTheSourcePaneButNotOutOfIt) {
  form->Edit1.grab_focus();
  ASSERT_TRUE(iterate_until([&] { return form->Edit1.get_realized(); }));
  bool left_the_address_bar = false;
  for (int i = 0; i < 20; ++i) {
    press(*form, GDK_KEY_Tab, GdkModifierType(0));
    EXPECT_NE(form->get_focus(), &form->Memo.view()) << i;
    left_the_address_bar |= form->get_focus() != &form->Edit1;
  }
  EXPECT_TRUE(left_the_address_bar);

  Gtk::TextView& memo = form->Memo.view();
  memo.grab_focus();
  press(*form, GDK_KEY_Tab, GdkModifierType(0));
  EXPECT_EQ(form->get_focus(), &memo);
  EXPECT_EQ(form->Memo.text(), "\t");
}

TEST_F(FormTest, SourcePaneDrawsNothingWhileSuspendedAndWholeAfter) {
  Gtk::TextView& memo = form->Memo.view();
  int draws = 0;
  memo.signal_draw().connect([&draws](const Cairo::RefPtr<Cairo::Context>&) {
    ++draws;
    return false;
  });
  ASSERT_TRUE(iterate_until([&] { return draws > 0; }));
  {
    SourcePane::RedrawSuspension outer(form->Memo);
    {
      SourcePane::RedrawSuspension inner(form->Memo);
      form->Memo.set_text("<p>bulk</p>");
    }
    draws = 0;
    // The view's drawing would come in the window's next paint.
    int paints = 0;
    GdkFrameClock* clock = gtk_widget_get_frame_clock(GTK_WIDGET(memo.gobj()));
    const gulong painted =
        g_signal_connect_swapped(clock, "after-paint", G_CALLBACK(+[](int* paints) { ++*paints; }), &paints);
    memo.queue_draw();
    const bool window_painted = iterate_until([&] { return paints > 0; });
    g_signal_handler_disconnect(clock, painted);
    ASSERT_TRUE(window_painted);
    EXPECT_EQ(draws, 0);
  }
  EXPECT_TRUE(iterate_until([&] { return draws > 0; }));
}

TEST_F(FormTest, FontStepsStopAtTheSmallestSize) {
  EXPECT_EQ(form->memo_font_height, -13);
  form->Action9Execute();
  EXPECT_EQ(form->memo_font_height, -11);
  form->Action8Execute();
  EXPECT_EQ(form->memo_font_height, -13);
  for (int i = 0; i < 9; ++i) form->Action9Execute();
  EXPECT_EQ(form->memo_font_height, -3);
}

TEST_F(FormTest, EditCommandsActOnTheFocusedSourcePaneOnly) {
  form->Memo.set_text("abc");
  Gtk::TextView& memo = form->Memo.view();
  memo.grab_focus();
  Command& select_all = form->commands.command("EditSelectAll1");
  Command& copy = form->commands.command("EditCopy1");
  Command& undo = form->commands.command("EditUndo1");
  EXPECT_FALSE(copy.execute());  // nothing selected
  EXPECT_FALSE(undo.execute());  // a text set by the program leaves nothing to undo
  EXPECT_TRUE(select_all.execute());
  EXPECT_EQ(form->memo_target.selection_start(), 0u);
  EXPECT_EQ(form->memo_target.selection_length(), 3u);
  EXPECT_TRUE(copy.execute());

  form->WebBrowser.widget().grab_focus();
  for (const char* name : {"EditCut1", "EditCopy1", "EditPaste1", "EditUndo1", "EditSelectAll1"}) {
    EXPECT_FALSE(form->commands.command(name).execute()) << name;
    EXPECT_FALSE(form->commands.command(name).enabled()) << name;
  }
  EXPECT_EQ(form->Memo.text(), "abc");
}

TEST_F(FormTest, AddressBarHasASingleLevelUndo) {
  form->Edit1.grab_focus();
  ASSERT_TRUE(iterate_until([&] { return form->Edit1.get_realized(); }));
  for (guint key : {GDK_KEY_a, GDK_KEY_b}) press(form->Edit1, key, GdkModifierType(0));
  ASSERT_EQ(form->Edit1.get_text(), "ab");
  Command& undo = form->commands.command("EditUndo1");
  EXPECT_TRUE(undo.execute());
  EXPECT_EQ(form->Edit1.get_text(), "");
  EXPECT_TRUE(undo.execute());
  EXPECT_EQ(form->Edit1.get_text(), "ab");
  form->edit1_target.set_text("typed by the program");
  EXPECT_FALSE(undo.execute());
  EXPECT_EQ(form->Edit1.get_text(), "typed by the program");
}

TEST_F(FormTest, FindAndReplaceWorkOnTheControlFocusedAtExecute) {
  form->Memo.set_text("foo bar foo");
  form->Memo.view().grab_focus();
  form->memo_target.set_selection(0, 0);
  ASSERT_TRUE(form->commands.command("SearchFind1").execute());
  EXPECT_TRUE(form->find_dialog.get_visible());
  form->find_state.set_search_text("foo");
  form->find_dialog.response(SearchDialog::FindNextResponse);
  EXPECT_EQ(form->memo_target.selection_start(), 0u);
  form->find_dialog.response(SearchDialog::FindNextResponse);
  EXPECT_EQ(form->memo_target.selection_start(), 8u);
  form->find_dialog.response(SearchDialog::FindNextResponse);
  ASSERT_EQ(boxes.plain.size(), 1u);
  EXPECT_EQ(boxes.plain[0], "Text not found: \"foo\"");

  form->Memo.view().grab_focus();
  form->memo_target.set_selection(0, 0);
  ASSERT_TRUE(form->commands.command("SearchReplace1").execute());
  form->replace_state.set_search_text("foo");
  form->replace_state.set_replacement_text("baz");
  form->replace_dialog.response(SearchDialog::ReplaceAllResponse);
  EXPECT_EQ(form->Memo.text(), "baz bar baz");
  EXPECT_EQ(form->StatusBar1.get_text(), "1 줄");
  EXPECT_FALSE(form->commands.command("EditUndo1").execute());

  form->WebBrowser.widget().grab_focus();
  EXPECT_FALSE(form->commands.command("SearchFind1").execute());
}

}  // namespace
}  // namespace tagpad
