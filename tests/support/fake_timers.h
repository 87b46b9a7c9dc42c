// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/timer_service.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace tagpad::testing {

// A clock that moves only when told; due timers fire in order of due time,
// then of starting.
class FakeTimers : public TimerService {
 public:
  Id start(unsigned int milliseconds, std::function<void()> callback) override {
    pending_.push_back({next_id_, now_ + milliseconds, std::move(callback)});
    return next_id_++;
  }
  void cancel(Id id) override {
    std::erase_if(pending_, [id](const Timer& timer) { return timer.id == id; });
  }

  void advance(unsigned long milliseconds) {
    unsigned long until = now_ + milliseconds;
    for (;;) {
      auto next = std::ranges::min_element(
          pending_, [](const Timer& a, const Timer& b) { return a.due != b.due ? a.due < b.due : a.id < b.id; });
      if (next == pending_.end() || next->due > until) break;
      now_ = next->due;
      std::function<void()> callback = std::move(next->callback);
      pending_.erase(next);
      callback();
    }
    now_ = until;
  }

  unsigned long now() const { return now_; }
  std::size_t pending() const { return pending_.size(); }

 private:
  struct Timer {
    Id id;
    unsigned long due;
    std::function<void()> callback;
  };
  std::vector<Timer> pending_;
  unsigned long now_ = 0;
  Id next_id_ = 1;
};

}  // namespace tagpad::testing
