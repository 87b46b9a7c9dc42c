// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <glibmm/exceptionhandler.h>

namespace tagpad {

/// Runs a handler from a C callback: an exception takes the same path to
/// the error display as one escaping a gtkmm signal handler.
template <typename F>
void deliver(F&& handler) {
  try {
    handler();
  } catch (...) {
    Glib::exception_handlers_invoke();
  }
}

}  // namespace tagpad
