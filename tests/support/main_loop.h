// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <glib.h>

namespace tagpad {

/// Runs the main loop until `done` holds or a few seconds have passed;
/// returns whether it holds. A test asserts the result: a wait that timed
/// out is a failure, not a pause. Each iteration blocks until something is
/// ready, so a wait leaves the cores to the engine it waits for.
template <typename Done>
[[nodiscard]] bool iterate_until(Done done, int seconds = 10) {
  const gint64 deadline = g_get_monotonic_time() + seconds * G_USEC_PER_SEC;
  // Wakes a blocked iteration now and then: for the deadline, and for a
  // condition that changes outside the main loop (a file, another process).
  const guint wake = g_timeout_add(
      10, +[](gpointer) { return gboolean(G_SOURCE_CONTINUE); }, nullptr);
  bool held = false;
  while (!(held = done()) && g_get_monotonic_time() <= deadline) g_main_context_iteration(nullptr, TRUE);
  g_source_remove(wake);
  return held;
}

/// Runs the main loop until nothing is ready to dispatch, so that what the
/// last step queued (idle handlers, due timers, events) has run.
[[nodiscard]] inline bool settle() {
  return iterate_until([] { return !g_main_context_pending(nullptr); });
}

}  // namespace tagpad
