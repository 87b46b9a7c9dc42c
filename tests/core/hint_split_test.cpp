// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/hint.h"

#include "core/command_table.h"
#include "core/tooltip_controller.h"

#include <gtest/gtest.h>

using tagpad::long_hint;
using tagpad::short_hint;
using tagpad::Shortcut;
using tagpad::tooltip_text;

TEST(HintSplit, BarSeparatesShortFromLongPart) {
  EXPECT_EQ(short_hint("Undo|Reverts the last action"), "Undo");
  EXPECT_EQ(long_hint("Undo|Reverts the last action"), "Reverts the last action");
  EXPECT_EQ(short_hint("이전"), "이전");
  EXPECT_EQ(long_hint("이전"), "이전");
  EXPECT_EQ(short_hint(""), "");
  EXPECT_EQ(long_hint(""), "");
  // Only the first bar splits; either part may be empty.
  EXPECT_EQ(short_hint("a|b|c"), "a");
  EXPECT_EQ(long_hint("a|b|c"), "b|c");
  EXPECT_EQ(short_hint("|long only"), "");
  EXPECT_EQ(long_hint("|long only"), "long only");
  EXPECT_EQ(short_hint("short only|"), "short only");
  EXPECT_EQ(long_hint("short only|"), "");
}

TEST(HintSplit, TooltipAddsTheShortcutUnlessTheShortHintIsEmpty) {
  EXPECT_EQ(tooltip_text("Undo|Reverts the last action", Shortcut::with_ctrl('Z')), "Undo (Ctrl+Z)");
  EXPECT_EQ(tooltip_text("Cut|Cuts", Shortcut{}), "Cut");
  EXPECT_EQ(tooltip_text("|long only", Shortcut::with_ctrl('Z')), "");
  EXPECT_EQ(tooltip_text("", Shortcut::with_ctrl('Z')), "");

  // The shortcut is the command's; no toolbar command has one.
  tagpad::CommandTable table;
  using tagpad::TooltipController;
  EXPECT_EQ(TooltipController::text_for(table.tool_button("ToolButton10")), "이전");
  EXPECT_EQ(TooltipController::text_for(table.tool_button("ToolButton5")), "끝내기");
  EXPECT_EQ(TooltipController::text_for(table.tool_button("ToolButton9")), "프로그램정보");
  EXPECT_EQ(TooltipController::text_for(*table.tool_bar().buttons()[2]), "");  // separator
  EXPECT_EQ(TooltipController::text_for(table.menu_item("N15")), "Undo (Ctrl+Z)");
  table.menu_item("N15").set_shortcut(Shortcut::with_ctrl('U'));  // the item's own shortcut does not count
  EXPECT_EQ(TooltipController::text_for(table.menu_item("N15")), "Undo (Ctrl+Z)");
}
