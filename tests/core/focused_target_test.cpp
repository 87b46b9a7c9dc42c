// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/focused_target.h"

#include "core/command_table.h"
#include "core/edit_behaviour.h"
#include "support/fake_text_target.h"

#include <gtest/gtest.h>

#include <memory>

using tagpad::CommandId;
using tagpad::CommandTable;
using tagpad::EditBehaviour;
using tagpad::EditCommand;
using tagpad::FindBehaviour;
using tagpad::FocusedTarget;
using tagpad::Shortcut;
using tagpad::TextTarget;
using tagpad::testing::FakeClipboard;
using tagpad::testing::FakeTextTarget;

TEST(FocusedTarget, AHoldFindsOnceAndNestedHoldsFindAfresh) {
  FakeClipboard clipboard;
  FakeTextTarget memo(clipboard);
  FakeTextTarget address(clipboard);
  TextTarget* focus = &memo;
  int finds = 0;
  FocusedTarget focused([&] {
    ++finds;
    return focus;
  });
  EXPECT_EQ(focused.get(), &memo);
  EXPECT_EQ(focused.get(), &memo);
  EXPECT_EQ(finds, 2);  // no hold: every question asks
  {
    FocusedTarget::Hold outer(focused);
    focus = &address;
    EXPECT_EQ(focused.get(), &memo);
    {
      FocusedTarget::Hold inner(focused);
      EXPECT_EQ(focused.get(), &address);
      focus = nullptr;
      EXPECT_EQ(focused.get(), &address);
    }
    EXPECT_EQ(focused.get(), &memo);
  }
  EXPECT_EQ(finds, 4);
  EXPECT_EQ(focused.get(), nullptr);
}

TEST(FocusedTarget, OneShortcutDispatchFindsTheTargetOnce) {
  CommandTable table;
  FakeClipboard clipboard;
  FakeTextTarget memo(clipboard, "find me");
  int finds = 0;
  FocusedTarget focused([&] {
    ++finds;
    return &memo;
  });
  using Id = CommandId;
  for (auto [id, kind] : {std::pair{Id::EditCut1, EditCommand::Cut}, std::pair{Id::EditCopy1, EditCommand::Copy},
                          std::pair{Id::EditPaste1, EditCommand::Paste}, std::pair{Id::EditUndo1, EditCommand::Undo},
                          std::pair{Id::EditSelectAll1, EditCommand::SelectAll}})
    table.set_behaviour(id, std::make_unique<EditBehaviour>(kind, focused, clipboard));
  int opened = 0;
  table.set_behaviour(CommandId::SearchFind1, std::make_unique<FindBehaviour>(focused, [&](TextTarget& target) {
                        EXPECT_EQ(&target, &memo);
                        ++opened;
                      }));
  {
    FocusedTarget::Hold one_lookup(focused);
    EXPECT_TRUE(table.dispatch_shortcut(Shortcut::with_ctrl('F')));
  }
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(finds, 1);
}
