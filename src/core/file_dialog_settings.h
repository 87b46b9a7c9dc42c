// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <vector>

namespace tagpad {

/// What an open or save dialog remembers for the run of the program.
struct FileDialogSettings {
  std::string initial_dir;
  std::string file_name;
  int filter_index = 1;
  /// Folders the dialog lists among its places, where they exist.
  std::vector<std::string> places = {};
};

}  // namespace tagpad
