// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "platform/message_boxes.h"

namespace tagpad {

/// Message boxes as Gtk::MessageDialog, modal over the active window.
class GtkMessageBoxes : public MessageBoxes {
 public:
  void show_error(const std::string& text) override;
  void show_plain(const std::string& text) override;
};

}  // namespace tagpad
