// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"
#include "form_fixture.h"
#include "support/key_press.h"

#include <gtkmm/textview.h>

namespace tagpad {
namespace {

TEST_F(FormTest, EveryChangeShowsTheLineCount) {
  EXPECT_EQ(parts->StatusBar1.get_text(), "");
  parts->Memo.set_text("abc\n");
  EXPECT_EQ(parts->StatusBar1.get_text(), "1 줄");
  parts->Memo.set_text("abc\ndef");
  EXPECT_EQ(parts->StatusBar1.get_text(), "2 줄");
  parts->Memo.set_text("");
  EXPECT_EQ(parts->StatusBar1.get_text(), "0 줄");
}

TEST_F(FormTest, CtrlIJMInsertNothingAndTheNextLetterDoes) {
  Gtk::TextView& memo = parts->Memo.view();
  memo.grab_focus();
  ASSERT_TRUE(iterate_until([&] { return memo.get_realized(); }));
  for (guint key : {GDK_KEY_i, GDK_KEY_j, GDK_KEY_m}) EXPECT_TRUE(press(memo, key, GDK_CONTROL_MASK)) << key;
  EXPECT_TRUE(press(memo, GDK_KEY_I, GdkModifierType(GDK_CONTROL_MASK | GDK_SHIFT_MASK)));
  EXPECT_EQ(parts->Memo.text(), "");
  press(memo, GDK_KEY_i, GdkModifierType(0));
  press(memo, GDK_KEY_Tab, GdkModifierType(0));
  EXPECT_EQ(parts->Memo.text(), "i\t");
}

TEST_F(FormTest, TabMovesTheFocusAroundTheSourcePaneButNotOutOfIt) {
  parts->Edit1.grab_focus();
  ASSERT_TRUE(iterate_until([&] { return parts->Edit1.get_realized(); }));
  bool left_the_address_bar = false;
  for (int i = 0; i < 20; ++i) {
    press(*form, GDK_KEY_Tab, GdkModifierType(0));
    EXPECT_NE(form->get_focus(), &parts->Memo.view()) << i;
    left_the_address_bar |= form->get_focus() != &parts->Edit1;
  }
  EXPECT_TRUE(left_the_address_bar);

  Gtk::TextView& memo = parts->Memo.view();
  memo.grab_focus();
  press(*form, GDK_KEY_Tab, GdkModifierType(0));
  EXPECT_EQ(form->get_focus(), &memo);
  EXPECT_EQ(parts->Memo.text(), "\t");
}

TEST_F(FormTest, SourcePaneDrawsNothingWhileSuspendedAndWholeAfter) {
  Gtk::TextView& memo = parts->Memo.view();
  int draws = 0;
  memo.signal_draw().connect([&draws](const Cairo::RefPtr<Cairo::Context>&) {
    ++draws;
    return false;
  });
  ASSERT_TRUE(iterate_until([&] { return draws > 0; }));
  {
    parts->Memo.freeze_redraw();
    parts->Memo.freeze_redraw();
    parts->Memo.set_text("<p>bulk</p>");
    parts->Memo.thaw_redraw();
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
    parts->Memo.thaw_redraw();
  }
  EXPECT_TRUE(iterate_until([&] { return draws > 0; }));
}

TEST_F(FormTest, FontStepsStopAtTheSmallestSize) {
  EXPECT_EQ(parts->memo_font_height, -13);
  form->Action9Execute();
  EXPECT_EQ(parts->memo_font_height, -11);
  form->Action8Execute();
  EXPECT_EQ(parts->memo_font_height, -13);
  for (int i = 0; i < 9; ++i) form->Action9Execute();
  EXPECT_EQ(parts->memo_font_height, -3);
}

TEST_F(FormTest, EditCommandsActOnTheFocusedSourcePaneOnly) {
  parts->Memo.set_text("abc");
  Gtk::TextView& memo = parts->Memo.view();
  memo.grab_focus();
  Command& select_all = parts->commands.command(CommandId::EditSelectAll1);
  Command& copy = parts->commands.command(CommandId::EditCopy1);
  EXPECT_FALSE(copy.execute());  // nothing selected
  EXPECT_TRUE(select_all.execute());
  EXPECT_EQ(parts->memo_target.selection_start(), 0u);
  EXPECT_EQ(parts->memo_target.selection_length(), 3u);
  EXPECT_TRUE(copy.execute());

  parts->WebBrowser.widget().grab_focus();
  using Id = CommandId;
  for (Id id : {Id::EditCut1, Id::EditCopy1, Id::EditPaste1, Id::EditUndo1, Id::EditSelectAll1}) {
    Command& command = parts->commands.command(id);
    EXPECT_FALSE(command.execute()) << command.name();
    EXPECT_FALSE(command.enabled()) << command.name();
  }
  EXPECT_EQ(parts->Memo.text(), "abc");
}

TEST_F(FormTest, AddressBarHasASingleLevelUndo) {
  parts->Edit1.grab_focus();
  ASSERT_TRUE(iterate_until([&] { return parts->Edit1.get_realized(); }));
  for (guint key : {GDK_KEY_a, GDK_KEY_b}) press(parts->Edit1, key, GdkModifierType(0));
  ASSERT_EQ(parts->Edit1.get_text(), "ab");
  Command& undo = parts->commands.command(CommandId::EditUndo1);
  EXPECT_TRUE(undo.execute());
  EXPECT_EQ(parts->Edit1.get_text(), "");
  EXPECT_TRUE(undo.execute());
  EXPECT_EQ(parts->Edit1.get_text(), "ab");
  parts->edit1_target.set_text("typed by the program");
  EXPECT_FALSE(undo.execute());
  EXPECT_EQ(parts->Edit1.get_text(), "typed by the program");
}

TEST_F(FormTest, FindAndReplaceWorkOnTheControlFocusedAtExecute) {
  parts->Memo.set_text("foo bar foo");
  parts->Memo.view().grab_focus();
  parts->memo_target.set_selection(0, 0);
  ASSERT_TRUE(parts->commands.command(CommandId::SearchFind1).execute());
  EXPECT_TRUE(parts->find_dialog.get_visible());
  parts->find_state.set_search_text("foo");
  parts->find_dialog.response(SearchDialog::FindNextResponse);
  EXPECT_EQ(parts->memo_target.selection_start(), 0u);
  parts->find_dialog.response(SearchDialog::FindNextResponse);
  EXPECT_EQ(parts->memo_target.selection_start(), 8u);
  parts->find_dialog.response(SearchDialog::FindNextResponse);
  ASSERT_EQ(boxes.plain.size(), 1u);
  EXPECT_EQ(boxes.plain[0], "Text not found: \"foo\"");

  parts->Memo.view().grab_focus();
  parts->memo_target.set_selection(0, 0);
  ASSERT_TRUE(parts->commands.command(CommandId::SearchReplace1).execute());
  parts->replace_state.set_search_text("foo");
  parts->replace_state.set_replacement_text("baz");
  parts->replace_dialog.response(SearchDialog::ReplaceAllResponse);
  EXPECT_EQ(parts->Memo.text(), "baz bar baz");
  EXPECT_EQ(parts->StatusBar1.get_text(), "1 줄");

  parts->WebBrowser.widget().grab_focus();
  EXPECT_FALSE(parts->commands.command(CommandId::SearchFind1).execute());
}

}  // namespace
}  // namespace tagpad
