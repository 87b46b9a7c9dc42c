// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "platform/message_boxes.h"

#include <string>
#include <vector>

namespace tagpad {

/// Records what the program would have shown instead of blocking on a box.
class FakeMessageBoxes : public MessageBoxes {
 public:
  void show_error(const std::string& text) override { errors.push_back(text); }
  void show_plain(const std::string& text) override { plain.push_back(text); }

  std::vector<std::string> errors;
  std::vector<std::string> plain;
};

}  // namespace tagpad
