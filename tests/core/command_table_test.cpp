// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command_table.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using tagpad::Command;
using tagpad::command_name;
using tagpad::CommandId;
using tagpad::CommandKind;
using tagpad::CommandTable;
using tagpad::MenuModel;
using tagpad::Shortcut;
using tagpad::shortcut_text;
using tagpad::ToolbarModel;

namespace {

struct CommandRow {
  std::string name;
  CommandKind kind;
  std::string category;
  std::string caption;
  std::string hint;
  std::string shortcut;
  bool enabled;
};

struct MenuRow {
  std::string name;
  std::string caption;
  std::string hint;
  std::string shortcut_shown;
  std::string command;
};

struct ToolRow {
  std::string name;  // empty: separator
  std::string caption;
  std::string hint;
  std::optional<int> image;
  bool enabled;
  std::string command;
};

std::vector<MenuRow> menu_rows(const MenuModel::Item& item) {
  std::vector<MenuRow> rows;
  for (const auto& sub : item.items()) {
    rows.push_back({sub->name(), sub->caption(), sub->hint(),
                    sub->shows_shortcut() ? shortcut_text(sub->shortcut()) : std::string(),
                    sub->command() ? sub->command()->name() : std::string()});
    for (MenuRow& row : menu_rows(*sub)) rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::string> names(const MenuModel::Item& item) {
  std::vector<std::string> result;
  for (const auto& sub : item.items()) result.push_back(sub->name());
  return result;
}

}  // namespace

TEST(CommandTable, ActionListHoldsTheCommandsInListOrder) {
  CommandTable table;
  using K = CommandKind;
  const std::vector<CommandRow> expected = {
      {"EditCut1", K::EditCut, "Edit", "Cu&t", "Cut|Cuts the selection and puts it on the Clipboard", "Ctrl+X", true},
      {"EditCopy1", K::EditCopy, "Edit", "&Copy", "Copy|Copies the selection and puts it on the Clipboard", "Ctrl+C",
       true},
      {"EditPaste1", K::EditPaste, "Edit", "&Paste", "Paste|Inserts Clipboard contents", "Ctrl+V", true},
      {"EditUndo1", K::EditUndo, "Edit", "&Undo", "Undo|Reverts the last action", "Ctrl+Z", true},
      {"WindowClose1", K::WindowClose, "Window", "C&lose", "Close", "", false},
      {"FileOpen1", K::FileOpen, "File", "&Open...", "Open|Opens an existing file", "Ctrl+O", true},
      {"FilePrintSetup1", K::FilePrintSetup, "File", "Print Set&up...", "Print Setup", "", true},
      {"FilePageSetup1", K::FilePageSetup, "File", "Page Set&up...", "", "", true},
      {"SearchFind1", K::SearchFind, "Search", "&Find...", "Find|Finds the specified text", "Ctrl+F", true},
      {"SearchReplace1", K::SearchReplace, "Search", "&Replace", "Replace|Replaces specific text with different text",
       "", true},
      {"Action1", K::Plain, "File", "새작업", "", "", true},
      {"Action2", K::Plain, "", "저장", "", "", true},
      {"Action3", K::Plain, "", "불러오기", "", "", true},
      {"Action4", K::Plain, "", "끝내기", "끝내기", "", true},
      {"Action5", K::Plain, "", "실행", "", "", true},
      {"HelpContents1", K::HelpContents, "Help", "&Contents", "Help Contents", "", false},
      {"Action6", K::Plain, "", "", "프로그램정보", "", true},
      {"ActBack", K::Plain, "", "", "", "", true},
      {"EditSelectAll1", K::EditSelectAll, "Edit", "Select &All", "Select All|Selects the entire document", "Ctrl+A",
       true},
      {"AcFoward", K::Plain, "", "", "", "", true},
      {"ActStop", K::Plain, "", "", "소스보기", "", true},
      {"Action10", K::Plain, "", "", "", "", true},
      {"Action11", K::Plain, "", "소스보기", "", "", true},
      {"Action7", K::Plain, "", "Action7", "", "", true},
      {"Action8", K::Plain, "", "Action8", "", "", true},
      {"Action9", K::Plain, "", "Action9", "", "", true},
      {"PrintDlg1", K::PrintDialog, "Dialog", "&Print...", "", "Ctrl+P", true},
  };
  const auto& commands = table.action_list().commands();
  ASSERT_EQ(commands.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Command& command = *commands[i];
    const CommandRow& row = expected[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(command.name(), row.name);
    // The ids follow the list, so the one the code names is the one it gets.
    const auto id = static_cast<CommandId>(i);
    EXPECT_EQ(command_name(id), row.name);
    EXPECT_EQ(&table.command(id), &command);
    EXPECT_EQ(command.kind(), row.kind);
    EXPECT_EQ(command.category(), row.category);
    EXPECT_EQ(command.caption(), row.caption);
    EXPECT_EQ(command.hint(), row.hint);
    EXPECT_EQ(shortcut_text(command.shortcut()), row.shortcut);
    EXPECT_EQ(command.enabled(), row.enabled);
    EXPECT_FALSE(command.image_index());
    EXPECT_FALSE(command.has_handler());
  }
  // The inert commands are never shown.
  using Id = CommandId;
  for (Id inert : {Id::WindowClose1, Id::HelpContents1, Id::Action11, Id::Action7})
    EXPECT_TRUE(table.command(inert).controls().empty()) << command_name(inert);
}

TEST(CommandTable, MainMenuShowsOwnAndBoundValuesInMenuOrder) {
  CommandTable table;
  const std::vector<MenuRow> expected = {
      {"N1", "파일(&F)", "", "", ""},
      {"N5", "새작업", "새작업", "", "Action1"},
      {"N6", "열기", "열기", "", "Action3"},
      {"N7", "저장", "저장", "", "Action2"},
      {"N16", "Page Set&up...", "인쇄", "", "FilePageSetup1"},
      {"N17", "Print Set&up...", "Print Setup", "", "FilePrintSetup1"},
      {"N23", "&Print...", "", "Ctrl+P", "PrintDlg1"},
      {"N8", "끝내기", "끝내기", "", "Action4"},
      {"N2", "편집(&E)", "", "", ""},
      {"N15", "&Undo", "Undo|Reverts the last action", "Ctrl+Z", "EditUndo1"},
      {"N18", "Select &All", "Select All|Selects the entire document", "Ctrl+A", "EditSelectAll1"},
      {"N9", "&Copy", "Copy|Copies the selection and puts it on the Clipboard", "Ctrl+C", "EditCopy1"},
      {"N10", "&Paste", "Paste|Inserts Clipboard contents", "Ctrl+V", "EditPaste1"},
      {"N11", "&Find...", "Find|Finds the specified text", "Ctrl+F", "SearchFind1"},
      {"N12", "&Replace", "Replace|Replaces specific text with different text", "", "SearchReplace1"},
      {"N3", "보기(&V)", "", "", ""},
      {"N13", "실행", "실행", "", "Action5"},
      {"N20", "폰크사이즈", "폰트사이즈 변경", "", ""},
      {"N21", "크게", "폰트사이즈 크게", "", "Action8"},
      {"N22", "작게", "폰트사이즈 작게", "", "Action9"},
      {"N19", "HTML 소스보기", "HTML 소스보기", "", "Action10"},
      {"N4", "도움말(&H)", "", "", ""},
      {"N14", "정보", "프로그램 정보", "", "Action6"},
  };
  std::vector<MenuRow> rows = menu_rows(table.main_menu().root());
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(rows[i].name, expected[i].name);
    EXPECT_EQ(rows[i].caption, expected[i].caption);
    EXPECT_EQ(rows[i].hint, expected[i].hint);
    EXPECT_EQ(rows[i].shortcut_shown, expected[i].shortcut_shown);
    EXPECT_EQ(rows[i].command, expected[i].command);
    EXPECT_TRUE(table.menu_item(expected[i].name).enabled());
  }

  MenuModel& menu = table.main_menu();
  EXPECT_EQ(names(menu.root()), (std::vector<std::string>{"N1", "N2", "N3", "N4"}));
  EXPECT_EQ(names(table.menu_item("N1")), (std::vector<std::string>{"N5", "N6", "N7", "N16", "N17", "N23", "N8"}));
  EXPECT_EQ(names(table.menu_item("N2")), (std::vector<std::string>{"N15", "N18", "N9", "N10", "N11", "N12"}));
  EXPECT_EQ(names(table.menu_item("N3")), (std::vector<std::string>{"N13", "N20", "N19"}));
  EXPECT_EQ(names(table.menu_item("N20")), (std::vector<std::string>{"N21", "N22"}));
  EXPECT_EQ(names(table.menu_item("N4")), (std::vector<std::string>{"N14"}));

  // The top-level items carry no shortcuts of their own, so Ctrl+F is N11's.
  for (const auto& top : menu.items()) {
    EXPECT_TRUE(top->is_top_level());
    EXPECT_TRUE(top->shortcut().is_none()) << top->name();
  }
  EXPECT_EQ(menu.find_shortcut(Shortcut::with_ctrl('F')), &table.menu_item("N11"));
  EXPECT_EQ(table.menu_item("N11").shortcut(), Shortcut::with_ctrl('F'));
  EXPECT_FALSE(table.menu_item("N20").shows_shortcut());
  EXPECT_FALSE(table.menu_item("N21").is_top_level());
}

TEST(CommandTable, ToolBarButtonsLeftToRight) {
  CommandTable table;
  const std::vector<ToolRow> expected = {
      {"ToolButton1", "새작업", "새작업", 0, true, "Action1"},
      {"ToolButton2", "실행", "실행", 1, true, "Action5"},
      {"", "", "", std::nullopt, true, ""},
      {"ToolButton3", "열기", "열기", 2, true, "Action3"},
      {"ToolButton4", "저장", "저장", 3, true, "Action2"},
      {"", "", "", std::nullopt, true, ""},
      {"ToolButton10", "이전", "이전", 6, false, "ActBack"},
      {"ActForward", "", "다음", 5, false, "AcFoward"},
      {"", "", "", std::nullopt, true, ""},
      {"ToolButton8", "", "중지", 7, false, "ActStop"},
      {"", "", "", std::nullopt, true, ""},
      {"ToolButton13", "HTML", "HTML 소스보기", 9, true, "Action10"},
      {"", "", "", std::nullopt, true, ""},
      {"ToolButton5", "종료", "끝내기", 4, true, "Action4"},
      {"", "", "", std::nullopt, true, ""},
      {"ToolButton9", "", "프로그램정보", 10, true, "Action6"},
  };
  const auto& buttons = table.tool_bar().buttons();
  ASSERT_EQ(buttons.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ToolbarModel::Button& button = *buttons[i];
    const ToolRow& row = expected[i];
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(button.is_separator(), row.name.empty());
    EXPECT_EQ(button.name(), row.name);
    EXPECT_EQ(button.caption(), row.caption);
    EXPECT_EQ(button.hint(), row.hint);
    EXPECT_EQ(button.image_index(), row.image);
    EXPECT_EQ(button.enabled(), row.enabled);
    EXPECT_EQ(button.command() ? button.command()->name() : "", row.command);
    EXPECT_TRUE(button.shortcut().is_none());
    EXPECT_EQ(button.auto_size(), !row.name.empty() && row.name != "ToolButton13");
    EXPECT_LT(row.image.value_or(0), ToolbarModel::ImageCount);
  }
}

TEST(CommandTable, UnknownNamesThrowNamingTheComponent) {
  CommandTable table;
  EXPECT_EQ(table.tool_button("ToolButton10").command(), &table.command(CommandId::ActBack));
  try {
    table.menu_item("N24");
    FAIL() << "no error";
  } catch (const tagpad::Error& error) {
    EXPECT_STREQ(error.what(), "MainMenu1: no item 'N24'");
  }
  EXPECT_THROW(table.menu_item("N24"), tagpad::Error);
  EXPECT_THROW(table.menu_item(""), tagpad::Error);
  EXPECT_THROW(table.tool_button("ToolButton6"), tagpad::Error);
  EXPECT_THROW(table.tool_button(""), tagpad::Error);
}
