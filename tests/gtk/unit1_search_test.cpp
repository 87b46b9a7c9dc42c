// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"
#include "form_fixture.h"
#include "support/dialog_widgets.h"
#include "support/key_press.h"

#include <gtkmm/checkbutton.h>
#include <gtkmm/entry.h>
#include <gtkmm/radiobutton.h>

#include <utility>

namespace tagpad {
namespace {

// Drives the find and replace dialogs as a user would: through their widgets.
class SearchThroughTheDialogs : public FormTest {
 protected:
  using Selection = std::pair<std::size_t, std::size_t>;

  void open_on(const char* text, std::size_t start, std::size_t length = 0,
               CommandId command = CommandId::SearchFind1) {
    parts->Memo.set_text(text);
    parts->Memo.view().grab_focus();
    parts->memo_target.set_selection(start, length);
    ASSERT_TRUE(parts->commands.command(command).execute());
  }

  void set_replace_texts(const char* search, const char* replacement) {
    labelled<Gtk::Entry>(parts->replace_dialog, "Fi_nd what:")->set_text(search);
    labelled<Gtk::Entry>(parts->replace_dialog, "Re_place with:")->set_text(replacement);
  }

  void set_options(const char* search, bool whole_word, bool match_case, bool up) {
    labelled<Gtk::Entry>(parts->find_dialog, "Fi_nd what:")->set_text(search);
    labelled<Gtk::CheckButton>(parts->find_dialog, "Match _whole word only")->set_active(whole_word);
    labelled<Gtk::CheckButton>(parts->find_dialog, "Match _case")->set_active(match_case);
    labelled<Gtk::RadioButton>(parts->find_dialog, up ? "_Up" : "_Down")->set_active(true);
  }

  // The selection after one click on Find Next.
  Selection find_next() {
    static_cast<Gtk::Button*>(parts->find_dialog.get_widget_for_response(SearchDialog::FindNextResponse))->clicked();
    return {parts->memo_target.selection_start(), parts->memo_target.selection_length()};
  }
};

TEST_F(SearchThroughTheDialogs, WholeWordDownStepsOverTheUnderscore) {
  open_on("foo_bar bar", 0);
  set_options("bar", true, false, false);
  EXPECT_EQ(find_next(), Selection(4, 3));
  EXPECT_EQ(find_next(), Selection(8, 3));
  EXPECT_TRUE(boxes.plain.empty());
  EXPECT_EQ(find_next(), Selection(8, 3));
  ASSERT_EQ(boxes.plain.size(), 1u);
  EXPECT_EQ(boxes.plain[0], "Text not found: \"bar\"");
}

TEST_F(SearchThroughTheDialogs, WholeWordTriesTheCaretInsideAWord) {
  open_on("xfoo", 1);
  set_options("foo", true, false, false);
  EXPECT_EQ(find_next(), Selection(1, 3));
  EXPECT_TRUE(boxes.plain.empty());
}

TEST_F(SearchThroughTheDialogs, WholeWordUpWalksBackToTheStartThenReports) {
  open_on("foo bar foo", 11);
  set_options("foo", true, false, true);
  EXPECT_EQ(find_next(), Selection(8, 3));
  EXPECT_EQ(find_next(), Selection(0, 3));
  EXPECT_TRUE(boxes.plain.empty());
  EXPECT_EQ(find_next(), Selection(0, 3));
  EXPECT_EQ(boxes.plain.size(), 1u);
}

TEST_F(SearchThroughTheDialogs, MatchCaseDecidesWhetherCaseFolds) {
  open_on("FOO", 0);
  set_options("foo", false, false, false);
  EXPECT_EQ(find_next(), Selection(0, 3));

  parts->memo_target.set_selection(0, 0);
  set_options("foo", false, true, false);
  EXPECT_EQ(find_next(), Selection(0, 0));
  EXPECT_EQ(boxes.plain.size(), 1u);
}

TEST_F(SearchThroughTheDialogs, ReplaceTakesASelectionDifferingInCaseEvenWithMatchCase) {
  open_on("Foo foo", 0, 3, CommandId::SearchReplace1);
  set_replace_texts("foo", "bar");
  labelled<Gtk::CheckButton>(parts->replace_dialog, "Match _case")->set_active(true);
  auto* replace =
      static_cast<Gtk::Button*>(parts->replace_dialog.get_widget_for_response(SearchDialog::ReplaceResponse));

  replace->clicked();
  EXPECT_EQ(parts->Memo.text(), "bar foo");
  EXPECT_EQ(parts->memo_target.selection_start(), 4u);
  EXPECT_EQ(parts->memo_target.selection_length(), 3u);
  replace->clicked();
  EXPECT_EQ(parts->Memo.text(), "bar bar");
  EXPECT_TRUE(boxes.plain.empty());
  // Each replacement is an undo step, which puts its selection back.
  EXPECT_TRUE(parts->commands.command(CommandId::EditUndo1).execute());
  EXPECT_EQ(parts->Memo.text(), "bar foo");
  EXPECT_EQ(parts->memo_target.selection_start(), 4u);
  EXPECT_EQ(parts->memo_target.selection_length(), 3u);
}

TEST_F(SearchThroughTheDialogs, ReturnInTheFindDialogFindsNext) {
  open_on("foo foo", 0);
  set_options("foo", false, false, false);
  ASSERT_TRUE(iterate_until([&] { return parts->find_dialog.get_mapped(); }));
  type_key(parts->find_dialog, GDK_KEY_Return, GDK_CURRENT_TIME);
  // The default button shows itself pressed for a moment before it clicks.
  EXPECT_TRUE(iterate_until([&] { return parts->memo_target.selection_length() == 3; }));
  EXPECT_EQ(parts->memo_target.selection_start(), 0u);
}

}  // namespace
}  // namespace tagpad
