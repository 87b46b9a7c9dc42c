// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command_id.h"

namespace tagpad {

std::string command_name(CommandId id) {
  // No default: a new id without a name is a compile error under -Werror.
  switch (id) {
    case CommandId::EditCut1:
      return "EditCut1";
    case CommandId::EditCopy1:
      return "EditCopy1";
    case CommandId::EditPaste1:
      return "EditPaste1";
    case CommandId::EditUndo1:
      return "EditUndo1";
    case CommandId::WindowClose1:
      return "WindowClose1";
    case CommandId::FileOpen1:
      return "FileOpen1";
    case CommandId::FilePrintSetup1:
      return "FilePrintSetup1";
    case CommandId::FilePageSetup1:
      return "FilePageSetup1";
    case CommandId::SearchFind1:
      return "SearchFind1";
    case CommandId::SearchReplace1:
      return "SearchReplace1";
    case CommandId::Action1:
      return "Action1";
    case CommandId::Action2:
      return "Action2";
    case CommandId::Action3:
      return "Action3";
    case CommandId::Action4:
      return "Action4";
    case CommandId::Action5:
      return "Action5";
    case CommandId::HelpContents1:
      return "HelpContents1";
    case CommandId::Action6:
      return "Action6";
    case CommandId::ActBack:
      return "ActBack";
    case CommandId::EditSelectAll1:
      return "EditSelectAll1";
    case CommandId::AcFoward:
      return "AcFoward";
    case CommandId::ActStop:
      return "ActStop";
    case CommandId::Action10:
      return "Action10";
    case CommandId::Action11:
      return "Action11";
    case CommandId::Action7:
      return "Action7";
    case CommandId::Action8:
      return "Action8";
    case CommandId::Action9:
      return "Action9";
    case CommandId::PrintDlg1:
      return "PrintDlg1";
  }
  return {};
}

}  // namespace tagpad
