// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/code_page.h"
#include "platform/message_boxes.h"

#include <string>

namespace tagpad {

/// What the windows take from the platform; tests pass fakes.
struct Services {
  const CodePage& code_page;
  MessageBoxes& message_boxes;
  /// The folder holding the program's executable, ending in a separator.
  std::string program_folder;
};

}  // namespace tagpad
