// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <glib.h>

namespace tagpad {

/// Runs the main loop until `done` holds or a few seconds have passed;
/// returns whether it holds. A test asserts the result: a wait that timed
/// out is a failure, not a pause.
template <typename Done>
[[nodiscard]] bool iterate_until(Done done, int seconds = 10) {
  const gint64 deadline = g_get_monotonic_time() + seconds * G_USEC_PER_SEC;
  while (!done()) {
    if (g_get_monotonic_time() > deadline) return false;
    g_main_context_iteration(nullptr, FALSE);
  }
  return true;
}

/// Runs the main loop until nothing is ready to dispatch, so that what the
/// last step queued (idle handlers, due timers, events) has run.
[[nodiscard]] inline bool settle() {
  return iterate_until([] { return !g_main_context_pending(nullptr); });
}

}  // namespace tagpad
