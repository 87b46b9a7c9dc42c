// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>

namespace tagpad {

/// The commands of `ActionList1`, for code that names one: the window binding
/// its handlers, the menu and toolbar rows, the rules that enable a command.
/// A misspelt command does not compile. In the list's order.
enum class CommandId {
  EditCut1,
  EditCopy1,
  EditPaste1,
  EditUndo1,
  WindowClose1,
  FileOpen1,
  FilePrintSetup1,
  FilePageSetup1,
  SearchFind1,
  SearchReplace1,
  Action1,  // New
  Action2,  // Save
  Action3,  // Open
  Action4,  // Exit
  Action5,  // Run
  HelpContents1,
  Action6,  // About
  ActBack,  // Back
  EditSelectAll1,
  AcFoward,  // Forward
  ActStop,   // Stop
  Action10,  // View HTML source
  Action11,  // View source (unused)
  Action7,   // unused
  Action8,   // Font larger
  Action9,   // Font smaller
  PrintDlg1,
};

/// The command's component name, as the command list knows it.
std::string command_name(CommandId id);

}  // namespace tagpad
