// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command_table.h"

#include "core/error.h"
#include "core/shortcut_dispatch.h"

#include <optional>
#include <string>

namespace tagpad {

namespace {

using Kind = CommandKind;

constexpr Shortcut ctrl(char32_t key) { return Shortcut::with_ctrl(key); }

using Id = CommandId;
constexpr std::optional<CommandId> None;

struct MenuRow {
  const char* name;
  const char* parent;  // nullptr: top-level
  const char* caption;
  const char* hint;
  std::optional<CommandId> command;
};

// Only the values the items set themselves; the rest comes from binding.
constexpr MenuRow MainMenu1Rows[] = {
    {"N1", nullptr, "파일(&F)", "", None},                          // File
    {"N5", "N1", "", "새작업", Id::Action1},                        // New
    {"N6", "N1", "열기", "열기", Id::Action3},                      // Open
    {"N7", "N1", "", "저장", Id::Action2},                          // Save
    {"N16", "N1", "", "인쇄", Id::FilePageSetup1},                  // Page setup
    {"N17", "N1", "", "", Id::FilePrintSetup1},                     // Printer setup
    {"N23", "N1", "", "", Id::PrintDlg1},                           // Print
    {"N8", "N1", "", "", Id::Action4},                              // Exit
    {"N2", nullptr, "편집(&E)", "", None},                          // Edit
    {"N15", "N2", "", "", Id::EditUndo1},                           // Undo
    {"N18", "N2", "", "", Id::EditSelectAll1},                      // Select all
    {"N9", "N2", "", "", Id::EditCopy1},                            // Copy
    {"N10", "N2", "", "", Id::EditPaste1},                          // Paste
    {"N11", "N2", "", "", Id::SearchFind1},                         // Find
    {"N12", "N2", "", "", Id::SearchReplace1},                      // Replace
    {"N3", nullptr, "보기(&V)", "", None},                          // View
    {"N13", "N3", "", "실행", Id::Action5},                         // Run
    {"N20", "N3", "폰크사이즈", "폰트사이즈 변경", None},           // Font size
    {"N21", "N20", "크게", "폰트사이즈 크게", Id::Action8},         // Larger
    {"N22", "N20", "작게", "폰트사이즈 작게", Id::Action9},         // Smaller
    {"N19", "N3", "HTML 소스보기", "HTML 소스보기", Id::Action10},  // View HTML source
    {"N4", nullptr, "도움말(&H)", "", None},                        // Help
    {"N14", "N4", "정보", "프로그램 정보", Id::Action6},            // About
};

struct ToolRow {
  const char* name;  // nullptr: separator
  const char* caption;
  const char* hint;
  int image;
  bool enabled;
  std::optional<CommandId> command;
  bool auto_size;
};

constexpr ToolRow Separator{nullptr, "", "", 0, true, None, false};

constexpr ToolRow ToolBar1Rows[] = {
    {"ToolButton1", "", "새작업", 0, true, Id::Action1, true},  // New
    {"ToolButton2", "", "실행", 1, true, Id::Action5, true},    // Run
    Separator,
    {"ToolButton3", "열기", "열기", 2, true, Id::Action3, true},  // Open
    {"ToolButton4", "", "저장", 3, true, Id::Action2, true},      // Save
    Separator,
    {"ToolButton10", "이전", "이전", 6, false, Id::ActBack, true},  // Back
    {"ActForward", "", "다음", 5, false, Id::AcFoward, true},       // Forward
    Separator,
    {"ToolButton8", "", "중지", 7, false, Id::ActStop, true},  // Stop
    Separator,
    {"ToolButton13", "HTML", "HTML 소스보기", 9, true, Id::Action10, false},  // View HTML source
    Separator,
    {"ToolButton5", "종료", "", 4, true, Id::Action4, true},  // Exit
    Separator,
    {"ToolButton9", "", "", 10, true, Id::Action6, true},  // About
};

void add(CommandList& list, CommandId id, CommandValues values) {
  values.name = command_name(id);
  list.add(std::move(values));
}

// In list order: the first command with a key's shortcut is the one it reaches.
void add_commands(CommandList& list) {
  // clang-format off
  add(list, Id::EditCut1, {.kind = Kind::EditCut, .category = "Edit", .caption = "Cu&t",
      .hint = "Cut|Cuts the selection and puts it on the Clipboard", .shortcut = ctrl('X')});
  add(list, Id::EditCopy1, {.kind = Kind::EditCopy, .category = "Edit", .caption = "&Copy",
      .hint = "Copy|Copies the selection and puts it on the Clipboard", .shortcut = ctrl('C')});
  add(list, Id::EditPaste1, {.kind = Kind::EditPaste, .category = "Edit", .caption = "&Paste",
      .hint = "Paste|Inserts Clipboard contents", .shortcut = ctrl('V')});
  add(list, Id::EditUndo1, {.kind = Kind::EditUndo, .category = "Edit", .caption = "&Undo",
      .hint = "Undo|Reverts the last action", .shortcut = ctrl('Z')});
  add(list, Id::WindowClose1, {.kind = Kind::WindowClose, .category = "Window", .caption = "C&lose",
      .hint = "Close", .enabled = false});
  add(list, Id::FileOpen1, {.kind = Kind::FileOpen, .category = "File", .caption = "&Open...",
      .hint = "Open|Opens an existing file", .shortcut = ctrl('O')});
  add(list, Id::FilePrintSetup1, {.kind = Kind::FilePrintSetup, .category = "File", .caption = "Print Set&up...",
      .hint = "Print Setup"});
  add(list, Id::FilePageSetup1, {.kind = Kind::FilePageSetup, .category = "File", .caption = "Page Set&up..."});
  add(list, Id::SearchFind1, {.kind = Kind::SearchFind, .category = "Search", .caption = "&Find...",
      .hint = "Find|Finds the specified text", .shortcut = ctrl('F')});
  add(list, Id::SearchReplace1, {.kind = Kind::SearchReplace, .category = "Search", .caption = "&Replace",
      .hint = "Replace|Replaces specific text with different text"});
  add(list, Id::Action1, {.category = "File", .caption = "새작업"});  // New
  add(list, Id::Action2, {.caption = "저장"});  // Save
  add(list, Id::Action3, {.caption = "불러오기"});  // Open
  add(list, Id::Action4, {.caption = "끝내기", .hint = "끝내기"});  // Exit
  add(list, Id::Action5, {.caption = "실행"});  // Run
  add(list, Id::HelpContents1, {.kind = Kind::HelpContents, .category = "Help", .caption = "&Contents",
      .hint = "Help Contents", .enabled = false});
  add(list, Id::Action6, {.hint = "프로그램정보"});  // About
  add(list, Id::ActBack, {});  // Back
  add(list, Id::EditSelectAll1, {.kind = Kind::EditSelectAll, .category = "Edit", .caption = "Select &All",
      .hint = "Select All|Selects the entire document", .shortcut = ctrl('A')});
  add(list, Id::AcFoward, {});  // Forward
  add(list, Id::ActStop, {.hint = "소스보기"});  // Stop
  add(list, Id::Action10, {});  // View HTML source
  add(list, Id::Action11, {.caption = "소스보기"});  // View source (unused)
  add(list, Id::Action7, {.caption = "Action7"});  // unused
  add(list, Id::Action8, {.caption = "Action8"});  // Font larger
  add(list, Id::Action9, {.caption = "Action9"});  // Font smaller
  add(list, Id::PrintDlg1, {.kind = Kind::PrintDialog, .category = "Dialog", .caption = "&Print...",
      .shortcut = ctrl('P')});
  // clang-format on
}

}  // namespace

CommandTable::CommandTable() {
  add_commands(action_list_);
  for (const MenuRow& row : MainMenu1Rows) {
    MenuModel::Item& parent = row.parent ? menu_item(row.parent) : main_menu_.root();
    parent.add({.name = row.name, .caption = row.caption, .hint = row.hint});
  }
  for (const ToolRow& row : ToolBar1Rows) {
    if (!row.name) {
      tool_bar_.add_separator();
      continue;
    }
    tool_bar_.add_button(
        {.name = row.name, .caption = row.caption, .hint = row.hint, .enabled = row.enabled, .image_index = row.image},
        row.auto_size);
  }
  // Binding comes only after every command and control holds its own values.
  for (const MenuRow& row : MainMenu1Rows) {
    if (row.command) menu_item(row.name).bind(command(*row.command));
  }
  for (const ToolRow& row : ToolBar1Rows) {
    if (row.command) tool_button(row.name).bind(command(*row.command));
  }
}

Command& CommandTable::command(CommandId id) const {
  if (Command* found = action_list_.find(command_name(id))) return *found;
  throw Error("ActionList1: no command '" + command_name(id) + "'");
}

MenuModel::Item& CommandTable::menu_item(std::string_view name) {
  if (MenuModel::Item* found = main_menu_.find(name)) return *found;
  throw Error("MainMenu1: no item '" + std::string(name) + "'");
}

ToolbarModel::Button& CommandTable::tool_button(std::string_view name) const {
  if (ToolbarModel::Button* found = tool_bar_.find(name)) return *found;
  throw Error("ToolBar1: no button '" + std::string(name) + "'");
}

bool CommandTable::dispatch_shortcut(const Shortcut& key) {
  return tagpad::dispatch_shortcut(main_menu_, action_list_, key);
}

void CommandTable::idle_refresh() {
  tool_bar_.refresh_commands();
  main_menu_.root().refresh_sub_item_commands();
}

}  // namespace tagpad
