// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "platform/message_boxes.h"

#include <sigc++/connection.h>

namespace tagpad {

/// The one place that reports exceptions escaping handlers and browser
/// events: installed as gtkmm's exception handler for its lifetime.
class ErrorDisplay {
 public:
  explicit ErrorDisplay(MessageBoxes& message_boxes);
  ~ErrorDisplay();
  ErrorDisplay(const ErrorDisplay&) = delete;
  ErrorDisplay& operator=(const ErrorDisplay&) = delete;

  /// Reports the exception being handled; call only inside a catch block.
  void report_current_exception();

 private:
  MessageBoxes& message_boxes_;
  sigc::connection handler_;
};

}  // namespace tagpad
