// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"

#include "core/command_behaviour.h"
#include "core/command_table.h"

#include <gtest/gtest.h>

#include <memory>

using tagpad::Command;
using tagpad::command_name;
using tagpad::CommandBehaviour;
using tagpad::CommandId;
using tagpad::CommandTable;

namespace {

// A standard behaviour over a target that is present or not (the focus on a
// text control or elsewhere) and enables the command as told.
class FakeTarget : public CommandBehaviour {
 public:
  bool present = false;
  bool enables = true;
  int updates = 0;
  int executes = 0;

  bool update(Command& command) override {
    ++updates;
    if (!present) return false;
    command.set_enabled(enables);
    return true;
  }
  void execute(Command&) override { ++executes; }
};

FakeTarget& plug(CommandTable& table, CommandId id) {
  auto target = std::make_unique<FakeTarget>();
  FakeTarget& ref = *target;
  table.set_behaviour(id, std::move(target));
  return ref;
}

}  // namespace

TEST(CommandRefresh, PlainCommandsWithoutHandlerTurnOffAndNeverRun) {
  CommandTable table;
  for (CommandId inert : {CommandId::Action11, CommandId::Action7}) {
    Command& command = table.command(inert);
    SCOPED_TRACE(command.name());
    ASSERT_TRUE(command.enabled());
    command.refresh();
    EXPECT_FALSE(command.enabled());
    EXPECT_FALSE(command.execute());
  }
  // A handler attached after the command turned off does not bring it back.
  int runs = 0;
  table.set_handler(CommandId::Action7, [&runs] { ++runs; });
  EXPECT_FALSE(table.command(CommandId::Action7).execute());
  EXPECT_EQ(runs, 0);

  table.set_handler(CommandId::Action5, [&runs] { ++runs; });
  Command& run = table.command(CommandId::Action5);
  run.refresh();
  EXPECT_TRUE(run.enabled());
  EXPECT_TRUE(run.execute());
  EXPECT_TRUE(table.tool_button("ToolButton2").click());
  EXPECT_EQ(runs, 2);
}

TEST(CommandRefresh, EditCommandsFollowTheirTargetAndTurnOffWithoutOne) {
  CommandTable table;
  using Id = CommandId;
  for (Id id : {Id::EditCut1, Id::EditCopy1, Id::EditPaste1, Id::EditUndo1, Id::EditSelectAll1}) {
    SCOPED_TRACE(command_name(id));
    FakeTarget& target = plug(table, id);
    Command& command = table.command(id);
    command.refresh();  // no text control has the focus
    EXPECT_FALSE(command.enabled());
    EXPECT_FALSE(command.execute());

    target.present = true;  // focus on a text control that enables it
    EXPECT_TRUE(command.execute());
    EXPECT_EQ(target.executes, 1);
    target.enables = false;  // e.g. nothing selected for cut
    EXPECT_FALSE(command.execute());
    EXPECT_EQ(target.executes, 1);
  }
  // Without any behaviour an edit command is treated the same.
  CommandTable bare;
  bare.command(CommandId::EditCut1).refresh();
  EXPECT_FALSE(bare.command(CommandId::EditCut1).enabled());
}

TEST(CommandRefresh, DialogFindAndInertStandardCommandsKeepTheirState) {
  CommandTable table;
  using Id = CommandId;
  for (Id id :
       {Id::FileOpen1, Id::FilePrintSetup1, Id::FilePageSetup1, Id::PrintDlg1, Id::SearchFind1, Id::SearchReplace1}) {
    Command& command = table.command(id);
    command.refresh();
    EXPECT_TRUE(command.enabled()) << command.name();
  }
  for (Id id : {Id::WindowClose1, Id::HelpContents1}) {
    Command& command = table.command(id);
    command.refresh();
    EXPECT_FALSE(command.enabled()) << command.name();
    EXPECT_FALSE(command.execute()) << command.name();
  }
  // A dialog command runs its behaviour; with nothing attached nothing runs.
  EXPECT_FALSE(table.command(CommandId::PrintDlg1).execute());
  FakeTarget& dialog = plug(table, CommandId::PrintDlg1);
  EXPECT_TRUE(table.command(CommandId::PrintDlg1).execute());
  EXPECT_EQ(dialog.updates, 1);
  EXPECT_EQ(dialog.executes, 1);
}

TEST(CommandRefresh, ExecuteRefreshesFirstAndPrefersTheHandler) {
  CommandTable table;
  FakeTarget& target = plug(table, CommandId::EditCopy1);
  target.present = true;
  int handled = 0;
  table.set_handler(CommandId::EditCopy1, [&handled] { ++handled; });
  Command& copy = table.command(CommandId::EditCopy1);
  EXPECT_TRUE(copy.execute());
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(target.executes, 0);

  target.enables = false;  // the refresh inside execute sees this at once
  EXPECT_FALSE(copy.execute());
  EXPECT_EQ(handled, 1);
  EXPECT_FALSE(table.menu_item("N9").enabled());
  EXPECT_FALSE(table.menu_item("N9").click());

  // With a handler and no target, the edit command stays on.
  target.present = false;
  target.enables = true;
  copy.set_enabled(true);
  EXPECT_TRUE(copy.execute());
  EXPECT_EQ(handled, 2);
}

TEST(CommandRefresh, IdleRefreshCoversToolbarCommandsOnly) {
  CommandTable table;
  using Id = CommandId;
  for (Id id :
       {Id::Action1, Id::Action5, Id::Action3, Id::Action2, Id::ActBack, Id::AcFoward, Id::ActStop, Id::Action4})
    table.set_handler(id, [] {});
  table.tool_button("ToolButton9").set_visible(false);
  table.idle_refresh();
  // Without handlers, the toolbar's remaining commands turn off; the hidden
  // button's command is left alone.
  EXPECT_FALSE(table.command(CommandId::Action10).enabled());
  EXPECT_FALSE(table.tool_button("ToolButton13").enabled());
  EXPECT_FALSE(table.menu_item("N19").enabled());
  EXPECT_TRUE(table.command(CommandId::Action6).enabled());
  EXPECT_TRUE(table.command(CommandId::Action1).enabled());
  EXPECT_TRUE(table.tool_button("ToolButton1").enabled());
  // Commands reached only through submenus wait until their submenu opens.
  EXPECT_TRUE(table.command(CommandId::EditUndo1).enabled());
  EXPECT_TRUE(table.command(CommandId::Action8).enabled());
  table.menu_item("N2").refresh_sub_item_commands();
  EXPECT_FALSE(table.command(CommandId::EditUndo1).enabled());
  EXPECT_FALSE(table.menu_item("N15").enabled());
  EXPECT_TRUE(table.command(CommandId::EditCut1).enabled());  // bound to no control
  EXPECT_TRUE(table.command(CommandId::Action8).enabled());
  table.menu_item("N20").refresh_sub_item_commands();
  EXPECT_FALSE(table.command(CommandId::Action8).enabled());
}
