// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/glib_timer_service.h"

#include <glibmm/main.h>

#include <utility>

namespace tagpad {

GlibTimerService::~GlibTimerService() {
  for (auto& [id, connection] : pending_) connection.disconnect();
}

TimerService::Id GlibTimerService::start(unsigned int milliseconds, std::function<void()> callback) {
  // Skip 0 (it means "no timer" to callers) and ids still pending after a wrap.
  do ++last_id_;
  while (last_id_ == 0 || pending_.contains(last_id_));
  const Id id = last_id_;
  // The main loop calls the slot, so it never runs inside start().
  pending_[id] = Glib::signal_timeout().connect(
      [this, id, callback = std::move(callback)] {
        pending_.erase(id);
        // Nothing of `this` is used afterwards: the callback may delete it.
        callback();
        return false;
      },
      milliseconds);
  return id;
}

void GlibTimerService::cancel(Id id) {
  auto found = pending_.find(id);
  if (found == pending_.end()) return;
  found->second.disconnect();
  pending_.erase(found);
}

}  // namespace tagpad
