// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/code_page.h"
#include "core/file_dialog.h"
#include "core/file_system.h"
#include "core/printer_settings.h"
#include "platform/message_boxes.h"
#include "platform/print_dialogs.h"

#include <string>

namespace tagpad {

/// What the windows take from the platform; tests pass fakes.
struct Services {
  const CodePage& code_page;
  MessageBoxes& message_boxes;
  /// The folder holding the program's executable, ending in a separator.
  std::string program_folder;
  FileChooser& file_chooser;
  FileSystem& file_system;
  PrinterCatalogue& printers;
  PrintDialogs& print_dialogs;
  /// Where copies of unsaved text are kept; empty for none.
  std::string recovery_folder = {};
};

}  // namespace tagpad
