// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <functional>

namespace tagpad {

/// One-shot timers on the user-interface thread. The GTK layer implements it
/// over `g_timeout_add`; tests use a fake clock.
class TimerService {
 public:
  using Id = unsigned int;

  virtual ~TimerService() = default;

  /// Calls `callback` once, from the main loop, after `milliseconds` (0: at
  /// the next iteration), never from inside `start`. Returns a non-zero id.
  virtual Id start(unsigned int milliseconds, std::function<void()> callback) = 0;

  /// Stops a pending timer; an id that has fired or was cancelled is ignored.
  virtual void cancel(Id id) = 0;
};

}  // namespace tagpad
