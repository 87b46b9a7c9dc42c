// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/entry_undo.h"

#include <gtest/gtest.h>

#include <string>

using tagpad::EntryState;
using tagpad::EntryUndo;

namespace {

// A one-line entry that reports its edits the way the address bar does.
class Entry {
 public:
  void type(const std::string& text) {
    if (state_.selection_length > 0) erase(state_.selection_start, state_.selection_start + state_.selection_length);
    undo_.inserting(state_, state_.selection_start, text.size());
    state_.text.insert(state_.selection_start, text);
    state_.selection_start += text.size();
  }
  void backspace() { erase(state_.selection_start - 1, state_.selection_start); }
  void move_caret(std::size_t position) {
    state_.selection_start = position;
    state_.selection_length = 0;
    undo_.caret_moved(position);
  }
  void select(std::size_t start, std::size_t length) {
    state_.selection_start = start;
    state_.selection_length = length;
    undo_.caret_moved(start + length);
  }
  void program_set(const std::string& text) {
    state_ = {text, 0, 0};
    undo_.program_change();
  }
  bool can_undo() const { return undo_.can_undo(); }
  void undo() { state_ = undo_.undo(state_); }
  const EntryState& state() const { return state_; }
  const std::string& text() const { return state_.text; }

 private:
  void erase(std::size_t start, std::size_t end) {
    undo_.deleting(state_, start, end);
    state_.text.erase(start, end - start);
    state_.selection_start = start;
    state_.selection_length = 0;
  }

  EntryState state_;
  EntryUndo undo_;
};

}  // namespace

TEST(EntryUndo, UndoSwapsWithTheOnePreviousState) {
  Entry entry;
  EXPECT_FALSE(entry.can_undo());
  entry.type("h");
  entry.type("ttp");
  entry.backspace();
  entry.type("p://");
  ASSERT_TRUE(entry.can_undo());
  // One run of typing at the caret is one step.
  entry.undo();
  EXPECT_EQ(entry.state(), (EntryState{"", 0, 0}));
  // An undo after an undo brings the text back, and so on.
  entry.undo();
  EXPECT_EQ(entry.state(), (EntryState{"http://", 7, 0}));
  entry.undo();
  EXPECT_EQ(entry.text(), "");
  EXPECT_TRUE(entry.can_undo());
}

TEST(EntryUndo, CaretMovesAndSelectionsStartNewSteps) {
  Entry entry;
  entry.program_set("example.com");
  EXPECT_FALSE(entry.can_undo());
  entry.move_caret(0);
  entry.type("www.");
  entry.move_caret(15);
  entry.type("/a");
  entry.undo();
  EXPECT_EQ(entry.state(), (EntryState{"www.example.com", 15, 0}));
  // Typing over a selection is one step that restores the selection.
  entry.select(0, 3);
  entry.type("ftp");
  EXPECT_EQ(entry.text(), "ftp.example.com");
  entry.undo();
  EXPECT_EQ(entry.state(), (EntryState{"www.example.com", 0, 3}));
  // Moving away and back to where the run left the caret ends it too.
  entry.move_caret(15);
  entry.type("x");
  entry.move_caret(0);
  entry.move_caret(16);
  entry.type("y");
  entry.undo();
  EXPECT_EQ(entry.text(), "www.example.comx");
}

TEST(EntryUndo, ProgramChangeLeavesNothingToUndo) {
  Entry entry;
  entry.type("abc");
  entry.undo();
  ASSERT_TRUE(entry.can_undo());
  entry.program_set("http://a/");
  EXPECT_FALSE(entry.can_undo());
  entry.type("b");
  entry.undo();
  EXPECT_EQ(entry.text(), "http://a/");
}
