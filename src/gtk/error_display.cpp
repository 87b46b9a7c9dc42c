// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/error_display.h"

#include "core/error.h"
#include "core/error_message.h"

#include <glibmm/error.h>
#include <glibmm/exceptionhandler.h>

#include <exception>

namespace tagpad {

ErrorDisplay::ErrorDisplay(MessageBoxes& message_boxes)
    : message_boxes_(message_boxes),
      handler_(Glib::add_exception_handler(sigc::mem_fun(*this, &ErrorDisplay::report_current_exception))) {}

ErrorDisplay::~ErrorDisplay() { handler_.disconnect(); }

void ErrorDisplay::report_current_exception() {
  try {
    throw;
  } catch (const Abort&) {
  } catch (const Glib::Exception& error) {
    message_boxes_.show_error(error_display_text(error.what().raw()));
  } catch (const std::exception& error) {
    message_boxes_.show_error(error_display_text(error.what()));
  } catch (...) {
    message_boxes_.show_error(error_display_text("Unknown exception"));
  }
}

}  // namespace tagpad
