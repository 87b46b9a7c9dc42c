// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"

#include "core/command_behaviour.h"
#include "core/command_table.h"

#include <gtest/gtest.h>

#include <memory>

using tagpad::Command;
using tagpad::CommandBehaviour;
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

FakeTarget& plug(CommandTable& table, const char* name) {
  auto target = std::make_unique<FakeTarget>();
  FakeTarget& ref = *target;
  table.set_behaviour(name, std::move(target));
  return ref;
}

}  // namespace

TEST(CommandRefresh, PlainCommandsWithoutHandlerTurnOffAndNeverRun) {
  CommandTable table;
  for (const char* inert : {"Action11", "Action7"}) {
    Command& command = table.command(inert);
    ASSERT_TRUE(command.enabled());
    command.refresh();
    EXPECT_FALSE(command.enabled()) << inert;
    EXPECT_FALSE(command.execute()) << inert;
  }
  // A handler attached after the command turned off does not bring it back.
  int runs = 0;
  table.set_handler("Action7", [&runs] { ++runs; });
  EXPECT_FALSE(table.command("Action7").execute());
  EXPECT_EQ(runs, 0);

  table.set_handler("Action5", [&runs] { ++runs; });
  Command& run = table.command("Action5");
  run.refresh();
  EXPECT_TRUE(run.enabled());
  EXPECT_TRUE(run.execute());
  EXPECT_TRUE(table.tool_button("ToolButton2").click());
  EXPECT_EQ(runs, 2);
}

TEST(CommandRefresh, EditCommandsFollowTheirTargetAndTurnOffWithoutOne) {
  CommandTable table;
  for (const char* name : {"EditCut1", "EditCopy1", "EditPaste1", "EditUndo1", "EditSelectAll1"}) {
    SCOPED_TRACE(name);
    FakeTarget& target = plug(table, name);
    Command& command = table.command(name);
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
  bare.command("EditCut1").refresh();
  EXPECT_FALSE(bare.command("EditCut1").enabled());
}

TEST(CommandRefresh, DialogFindAndInertStandardCommandsKeepTheirState) {
  CommandTable table;
  for (const char* name :
       {"FileOpen1", "FilePrintSetup1", "FilePageSetup1", "PrintDlg1", "SearchFind1", "SearchReplace1"}) {
    Command& command = table.command(name);
    command.refresh();
    EXPECT_TRUE(command.enabled()) << name;
  }
  for (const char* name : {"WindowClose1", "HelpContents1"}) {
    Command& command = table.command(name);
    command.refresh();
    EXPECT_FALSE(command.enabled()) << name;
    EXPECT_FALSE(command.execute()) << name;
  }
  // A dialog command runs its behaviour; with nothing attached nothing runs.
  EXPECT_FALSE(table.command("PrintDlg1").execute());
  FakeTarget& dialog = plug(table, "PrintDlg1");
  EXPECT_TRUE(table.command("PrintDlg1").execute());
  EXPECT_EQ(dialog.updates, 1);
  EXPECT_EQ(dialog.executes, 1);
}

TEST(CommandRefresh, ExecuteRefreshesFirstAndPrefersTheHandler) {
  CommandTable table;
  FakeTarget& target = plug(table, "EditCopy1");
  target.present = true;
  int handled = 0;
  table.set_handler("EditCopy1", [&handled] { ++handled; });
  Command& copy = table.command("EditCopy1");
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
  for (const char* name : {"Action1", "Action5", "Action3", "Action2", "ActBack", "AcFoward", "ActStop", "Action4"}) {
    table.set_handler(name, [] {});
  }
  table.tool_button("ToolButton9").set_visible(false);
  table.idle_refresh();
  // Without handlers, the toolbar's remaining commands turn off; the hidden
  // button's command is left alone.
  EXPECT_FALSE(table.command("Action10").enabled());
  EXPECT_FALSE(table.tool_button("ToolButton13").enabled());
  EXPECT_FALSE(table.menu_item("N19").enabled());
  EXPECT_TRUE(table.command("Action6").enabled());
  EXPECT_TRUE(table.command("Action1").enabled());
  EXPECT_TRUE(table.tool_button("ToolButton1").enabled());
  // Commands reached only through submenus wait until their submenu opens.
  EXPECT_TRUE(table.command("EditUndo1").enabled());
  EXPECT_TRUE(table.command("Action8").enabled());
  table.menu_item("N2").refresh_sub_item_commands();
  EXPECT_FALSE(table.command("EditUndo1").enabled());
  EXPECT_FALSE(table.menu_item("N15").enabled());
  EXPECT_TRUE(table.command("EditCut1").enabled());  // bound to no control
  EXPECT_TRUE(table.command("Action8").enabled());
  table.menu_item("N20").refresh_sub_item_commands();
  EXPECT_FALSE(table.command("Action8").enabled());
}
