// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"
#include "form_fixture.h"
#include "support/key_press.h"
#include "support/temp_folder.h"

#include <gtkmm/textview.h>

#include <functional>

namespace tagpad {
namespace {

// Korean, a line break and two bytes that no code page decodes, as the pane
// holds them (U+10FF80 + byte).
const std::string Typed = "<p>한글</p>\n\xF4\x8F\xBF\x81\xF4\x8F\xBF\xBE end";

class UndoTest : public FormTest {
 protected:
  UndoTest() : FormTest("CP949") {}

  void SetUp() override {
    FormTest::SetUp();
    memo().grab_focus();
    ASSERT_TRUE(iterate_until([&] { return memo().get_realized() && form->get_focus() == &memo(); }));
  }

  Gtk::TextView& memo() { return parts->Memo.view(); }

  // Typing, as the view's own key handling records it: two undo steps.
  void type_twice(const std::string& first, const std::string& second) {
    GtkTextBuffer* buffer = memo().get_buffer()->gobj();
    for (const std::string* text : {&first, &second}) {
      gtk_text_buffer_begin_user_action(buffer);
      gtk_text_buffer_insert_interactive_at_cursor(buffer, text->data(), static_cast<int>(text->size()), TRUE);
      gtk_text_buffer_end_user_action(buffer);
    }
  }

  // As the Edit menu shows it when it opens.
  bool undo_enabled() {
    Command& undo = parts->commands.command(CommandId::EditUndo1);
    undo.refresh();
    return undo.enabled();
  }

  void ctrl_z() { press(*form, GDK_KEY_z, GDK_CONTROL_MASK); }

  // Types, selects, runs `action`, and checks that one Ctrl+Z brings back the
  // text and selection exactly and a second goes on into the typing.
  void expect_one_undo_step(const std::string& what, const std::function<void()>& action) {
    SCOPED_TRACE(what);
    type_twice("start ", Typed);
    parts->memo_target.set_selection(3, 5);
    action();
    ASSERT_NE(parts->Memo.text(), "start " + Typed);
    ASSERT_TRUE(undo_enabled());
    ctrl_z();
    EXPECT_EQ(parts->Memo.text(), "start " + Typed);
    EXPECT_EQ(parts->memo_target.selection_start(), 3u);
    EXPECT_EQ(parts->memo_target.selection_length(), 5u);
    ctrl_z();
    EXPECT_EQ(parts->Memo.text(), "start ");
    ctrl_z();
    EXPECT_EQ(parts->Memo.text(), "");
    EXPECT_FALSE(undo_enabled());
  }

  TempFolder folder;
};

TEST_F(UndoTest, NewIsOneUndoStep) {
  expect_one_undo_step("new", [&] { form->Action1Execute(); });
}

TEST_F(UndoTest, OpenIsOneUndoStep) {
  write_file(folder / "page.html", "<p>\xC7\xD1</p>\r\n");
  chooser.accept(folder / "page.html");
  expect_one_undo_step("open", [&] { form->Action3Execute(); });
}

TEST_F(UndoTest, AnAddressIsOneUndoStep) {
  expect_one_undo_step("address", [&] {
    parts->Edit1.set_text("about:blank");
    char key = '\r';
    form->Edit1KeyPress(key);
  });
}

TEST_F(UndoTest, SourceViewIsOneUndoStep) {
  parts->WebBrowser.navigate("data:text/html,<b>shown</b>");
  ASSERT_TRUE(iterate_until([&] { return parts->WebBrowser.ready_state() == 4; }));
  expect_one_undo_step("source view", [&] { form->Action10Execute(); });
}

TEST_F(UndoTest, ReplaceAllIsOneUndoStep) {
  expect_one_undo_step("replace all", [&] {
    ASSERT_TRUE(parts->commands.command(CommandId::SearchReplace1).execute());
    parts->replace_state.set_search_text("한");
    parts->replace_state.set_replacement_text("x");
    parts->replace_dialog.response(SearchDialog::ReplaceAllResponse);
  });
}

TEST_F(UndoTest, TypingAfterAReplacementIsItsOwnStep) {
  type_twice("a", "b");
  form->Action1Execute();
  type_twice("c", "");
  ctrl_z();
  EXPECT_EQ(parts->Memo.text(), "");
  ctrl_z();
  EXPECT_EQ(parts->Memo.text(), "ab");
}

}  // namespace
}  // namespace tagpad
