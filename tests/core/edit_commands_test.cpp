// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/edit_commands.h"

#include "support/fake_text_target.h"

#include <gtest/gtest.h>

using tagpad::edit_command_enabled;
using tagpad::EditCommand;
using tagpad::execute_edit_command;
using tagpad::find_command_enabled;
using tagpad::testing::FakeClipboard;
using tagpad::testing::FakeTextTarget;

namespace {

constexpr EditCommand AllCommands[] = {EditCommand::Undo, EditCommand::SelectAll, EditCommand::Copy, EditCommand::Paste,
                                       EditCommand::Cut};

}  // namespace

TEST(EditCommands, NoTargetDisablesEverything) {
  FakeClipboard clipboard;
  clipboard.set_text("x");
  for (EditCommand command : AllCommands) EXPECT_FALSE(edit_command_enabled(command, nullptr, clipboard));
  EXPECT_FALSE(find_command_enabled(nullptr));
}

TEST(EditCommands, EnablingFollowsTheTarget) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard);
  clipboard.hold_other();
  EXPECT_FALSE(edit_command_enabled(EditCommand::SelectAll, &target, clipboard));
  EXPECT_FALSE(find_command_enabled(&target));
  EXPECT_FALSE(edit_command_enabled(EditCommand::Paste, &target, clipboard));
  clipboard.set_text("");
  EXPECT_TRUE(edit_command_enabled(EditCommand::Paste, &target, clipboard));

  target.set_text("abc");
  EXPECT_TRUE(edit_command_enabled(EditCommand::SelectAll, &target, clipboard));
  EXPECT_TRUE(find_command_enabled(&target));
  EXPECT_FALSE(edit_command_enabled(EditCommand::Copy, &target, clipboard));
  EXPECT_FALSE(edit_command_enabled(EditCommand::Cut, &target, clipboard));
  // Setting the text leaves nothing to undo.
  EXPECT_FALSE(edit_command_enabled(EditCommand::Undo, &target, clipboard));

  execute_edit_command(EditCommand::SelectAll, target);
  EXPECT_EQ(target.selection_start(), 0u);
  EXPECT_EQ(target.selection_length(), 3u);
  // Still enabled with everything selected.
  EXPECT_TRUE(edit_command_enabled(EditCommand::SelectAll, &target, clipboard));
  EXPECT_TRUE(edit_command_enabled(EditCommand::Copy, &target, clipboard));
  EXPECT_TRUE(edit_command_enabled(EditCommand::Cut, &target, clipboard));

  target.set_read_only(true);
  EXPECT_TRUE(edit_command_enabled(EditCommand::Copy, &target, clipboard));
  EXPECT_FALSE(edit_command_enabled(EditCommand::Cut, &target, clipboard));
  EXPECT_FALSE(edit_command_enabled(EditCommand::Paste, &target, clipboard));
}

TEST(EditCommands, ExecuteActsOnTheTargetAndItsUndo) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "abc");
  target.set_selection(1, 1);
  execute_edit_command(EditCommand::Copy, target);
  EXPECT_EQ(clipboard.text(), "b");
  EXPECT_EQ(target.text(), "abc");
  execute_edit_command(EditCommand::Cut, target);
  EXPECT_EQ(target.text(), "ac");
  EXPECT_TRUE(edit_command_enabled(EditCommand::Undo, &target, clipboard));
  target.set_selection(2, 0);
  execute_edit_command(EditCommand::Paste, target);
  EXPECT_EQ(target.text(), "acb");
  EXPECT_EQ(target.selection_start(), 3u);
  execute_edit_command(EditCommand::Undo, target);
  EXPECT_EQ(target.text(), "ac");
  target.set_read_only(true);
  EXPECT_FALSE(edit_command_enabled(EditCommand::Undo, &target, clipboard));
}
