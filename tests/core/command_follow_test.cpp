// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"

#include "core/command_control.h"
#include "core/command_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using tagpad::BoundControl;
using tagpad::Command;
using tagpad::CommandId;
using tagpad::CommandTable;
using tagpad::Shortcut;
using Property = tagpad::BoundControl::Property;

namespace {

// Records what a widget mirroring the control would be told.
struct Recorder {
  explicit Recorder(BoundControl& control) {
    control.set_on_changed([this](Property property) { changes.push_back(property); });
  }
  std::vector<Property> changes;
};

}  // namespace

TEST(CommandFollow, BackButtonIgnoresTheFirstDisablingThenFollows) {
  CommandTable table;
  Command& back = table.command(CommandId::ActBack);
  BoundControl& button = table.tool_button("ToolButton10");
  Recorder widget(button);
  ASSERT_TRUE(back.enabled());
  ASSERT_FALSE(button.enabled());

  back.set_enabled(false);  // the button already differs from the old value
  EXPECT_FALSE(button.enabled());
  EXPECT_TRUE(widget.changes.empty());

  back.set_enabled(true);  // now it shows the old value and follows
  EXPECT_TRUE(button.enabled());
  back.set_enabled(true);  // equal: nothing
  EXPECT_TRUE(button.enabled());
  back.set_enabled(false);
  EXPECT_FALSE(button.enabled());
  EXPECT_EQ(widget.changes, (std::vector<Property>{Property::Enabled, Property::Enabled}));
}

TEST(CommandFollow, StopButtonStaysDisabledThroughTheFirstDownload) {
  CommandTable table;
  Command& stop = table.command(CommandId::ActStop);
  BoundControl& button = table.tool_button("ToolButton8");
  Recorder widget(button);

  stop.set_enabled(true);  // first download begins: already enabled, no change
  EXPECT_FALSE(button.enabled());
  stop.set_enabled(false);  // first download ends
  EXPECT_FALSE(button.enabled());
  EXPECT_TRUE(widget.changes.empty());

  stop.set_enabled(true);  // second download
  EXPECT_TRUE(button.enabled());
  stop.set_enabled(false);
  EXPECT_FALSE(button.enabled());
  EXPECT_EQ(widget.changes.size(), 2u);
}

TEST(CommandFollow, ForwardButtonIsSwitchedDirectly) {
  CommandTable table;
  BoundControl& forward = table.tool_button("ActForward");
  Command& command = table.command(CommandId::AcFoward);
  int runs = 0;
  command.set_handler([&runs] { ++runs; });

  EXPECT_FALSE(forward.click());  // disabled: the command does not run
  forward.set_enabled(true);
  EXPECT_TRUE(command.enabled());  // the control's change does not feed back
  EXPECT_TRUE(forward.click());
  EXPECT_EQ(runs, 1);
  forward.set_enabled(false);
  EXPECT_TRUE(command.enabled());
}

TEST(CommandFollow, OnlyControlsShowingTheOldValueFollow) {
  CommandTable table;
  Command& open = table.command(CommandId::Action3);  // "불러오기"; N6 and ToolButton3 read "열기"
  Recorder menu(table.menu_item("N6"));
  open.set_caption("Open");
  EXPECT_EQ(table.menu_item("N6").caption(), "열기");
  EXPECT_EQ(table.tool_button("ToolButton3").caption(), "열기");
  EXPECT_TRUE(menu.changes.empty());
  EXPECT_EQ(open.caption(), "Open");

  Command& exit = table.command(CommandId::Action4);  // caption and hint "끝내기"
  exit.set_caption("Exit");
  EXPECT_EQ(table.menu_item("N8").caption(), "Exit");
  EXPECT_EQ(table.tool_button("ToolButton5").caption(), "종료");
  exit.set_hint("Quit");
  EXPECT_EQ(table.menu_item("N8").hint(), "Quit");
  EXPECT_EQ(table.tool_button("ToolButton5").hint(), "Quit");

  // Equal values change nothing, not even for a control that follows.
  Recorder exit_item(table.menu_item("N8"));
  exit.set_caption("Exit");
  exit.set_hint("Quit");
  exit.set_enabled(true);
  EXPECT_TRUE(exit_item.changes.empty());
}

TEST(CommandFollow, BindingTakesTheCommandsValueOnlyWhereTheControlHasTheDefault) {
  Command command({.name = "Action1",
                   .caption = "새작업",
                   .hint = "New|Starts a new page",
                   .shortcut = Shortcut::with_ctrl('N'),
                   .enabled = false,
                   .image_index = 4});
  BoundControl defaults({.name = "ToolButton1"});
  BoundControl named({.name = "ToolButton2", .caption = "ToolButton2"});
  BoundControl own({.name = "ToolButton3",
                    .caption = "열기",
                    .hint = "열기",
                    .enabled = false,
                    .shortcut = Shortcut::with_ctrl('O'),
                    .image_index = 2});
  Command enabled_command({.name = "Action2", .caption = "저장"});
  BoundControl enabled_own({.name = "N7", .enabled = false});
  defaults.bind(command);
  named.bind(command);
  own.bind(command);
  enabled_own.bind(enabled_command);

  EXPECT_EQ(defaults.caption(), "새작업");
  EXPECT_EQ(defaults.hint(), "New|Starts a new page");
  EXPECT_FALSE(defaults.enabled());
  EXPECT_EQ(defaults.shortcut(), Shortcut::with_ctrl('N'));
  EXPECT_EQ(defaults.image_index(), 4);
  EXPECT_EQ(named.caption(), "새작업");  // a caption equal to the name is a default

  EXPECT_EQ(own.caption(), "열기");
  EXPECT_EQ(own.hint(), "열기");
  EXPECT_EQ(own.shortcut(), Shortcut::with_ctrl('O'));
  EXPECT_EQ(own.image_index(), 2);
  EXPECT_FALSE(enabled_own.enabled());  // a disabled control keeps its own state
  EXPECT_EQ(enabled_own.caption(), "저장");

  EXPECT_EQ(command.controls(), (std::vector<BoundControl*>{&defaults, &named, &own}));
}

TEST(CommandFollow, ControlsAndCommandsMayBeDestroyedInEitherOrder) {
  auto command = std::make_unique<Command>(tagpad::CommandValues{.name = "Action5"});
  {
    BoundControl button({.name = "ToolButton2"});
    button.bind(*command);
    ASSERT_EQ(command->controls().size(), 1u);
  }
  EXPECT_TRUE(command->controls().empty());
  command->set_enabled(false);  // no dangling control to tell

  BoundControl item({.name = "N13"});
  item.bind(*command);
  command.reset();
  EXPECT_EQ(item.command(), nullptr);
  EXPECT_FALSE(item.click());
}
