// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>

namespace tagpad {

/// The application's modal message boxes, titled with the application title.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  /// Error icon and one OK button; `text` is shown as it is.
  virtual void show_error(const std::string& text) = 0;
  /// No icon, one OK button, centred on the screen.
  virtual void show_plain(const std::string& text) = 0;
};

}  // namespace tagpad
