// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/timer_service.h"

#include <sigc++/connection.h>

#include <map>

namespace tagpad {

/// One-shot timers over the GLib main loop.
class GlibTimerService : public TimerService {
 public:
  GlibTimerService() = default;
  ~GlibTimerService() override;
  GlibTimerService(const GlibTimerService&) = delete;
  GlibTimerService& operator=(const GlibTimerService&) = delete;

  Id start(unsigned int milliseconds, std::function<void()> callback) override;
  void cancel(Id id) override;

 private:
  // Only pending timers: a fired one leaves the map before its callback
  // runs, so a late cancel cannot touch a source GLib has already freed.
  std::map<Id, sigc::connection> pending_;
  Id last_id_ = 0;
};

}  // namespace tagpad
