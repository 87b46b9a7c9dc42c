// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/recovery_schedule.h"

#include <utility>

namespace tagpad {

RecoverySchedule::RecoverySchedule(TimerService& timers, TakeCopy take_copy)
    : timers_(timers), take_copy_(std::move(take_copy)) {}

RecoverySchedule::~RecoverySchedule() {
  for (TimerService::Id* timer : {&quiet_, &longest_, &spacing_}) cancel(*timer);
}

void RecoverySchedule::text_changed(bool empty) {
  ++generation_;
  empty_ = empty;
  restart(quiet_, QuietTime);
  if (longest_ == 0) restart(longest_, LongestWait);
}

void RecoverySchedule::text_matches_file() {
  kept_ = generation_;
  cancel(quiet_);
  cancel(longest_);
  waiting_ = false;
}

void RecoverySchedule::copy_finished(Generation generation, bool written) {
  copying_ = false;
  if (written && generation > kept_) kept_ = generation;
  if (waiting_) copy_when_allowed();
}

bool RecoverySchedule::has_uncopied_text() const { return !empty_ && generation_ != kept_; }

void RecoverySchedule::copy_when_allowed() {
  cancel(quiet_);
  cancel(longest_);
  if (!has_uncopied_text()) {
    waiting_ = false;
    return;
  }
  waiting_ = copying_ || spacing_ != 0;
  if (waiting_) return;
  copying_ = true;
  restart(spacing_, Spacing);
  take_copy_(generation_);
}

void RecoverySchedule::restart(TimerService::Id& timer, unsigned int milliseconds) {
  cancel(timer);
  timer = timers_.start(milliseconds, [this, &timer] {
    timer = 0;
    // The spacing's end lets a waiting copy go; the other timers make one due.
    if (&timer != &spacing_ || waiting_) copy_when_allowed();
  });
}

void RecoverySchedule::cancel(TimerService::Id& timer) {
  if (timer != 0) timers_.cancel(std::exchange(timer, 0));
}

}  // namespace tagpad
