// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/timer_service.h"

#include <cstdint>
#include <functional>

namespace tagpad {

/// When the source pane's text is copied to the recovery folder. A copy is
/// due once typing has paused for `QuietTime`, or `LongestWait` after the
/// first change that no copy holds yet, and never sooner than `Spacing`
/// after the last copy began; one copy is taken at a time. There is nothing
/// to copy while the text is empty, or unchanged since the last copy or the
/// last open or save.
class RecoverySchedule {
 public:
  static constexpr unsigned int QuietTime = 2000;
  static constexpr unsigned int LongestWait = 5000;
  static constexpr unsigned int Spacing = 5000;

  /// Counts the pane's changes; a copy holds the text of one count.
  using Generation = std::uint64_t;
  /// Takes a copy of the text as it stands; calls copy_finished() when done.
  using TakeCopy = std::function<void(Generation)>;

  RecoverySchedule(TimerService& timers, TakeCopy take_copy);
  ~RecoverySchedule();
  RecoverySchedule(const RecoverySchedule&) = delete;
  RecoverySchedule& operator=(const RecoverySchedule&) = delete;

  /// The pane's text changed; `empty` tells whether it is empty now.
  void text_changed(bool empty);
  /// The text is what the file last opened or saved holds.
  void text_matches_file();
  /// The copy of `generation` was written, or failed (then it is tried
  /// again with the next one due).
  void copy_finished(Generation generation, bool written);

  /// Whether the text holds something no copy or file does.
  bool has_uncopied_text() const;
  Generation generation() const { return generation_; }

 private:
  void copy_when_allowed();
  void restart(TimerService::Id& timer, unsigned int milliseconds);
  void cancel(TimerService::Id& timer);

  TimerService& timers_;
  TakeCopy take_copy_;
  Generation generation_ = 0;
  // The last generation that a copy or the file holds.
  Generation kept_ = 0;
  bool empty_ = true;
  bool copying_ = false;
  // A copy came due while one was running or too soon after the last.
  bool waiting_ = false;
  TimerService::Id quiet_ = 0;
  TimerService::Id longest_ = 0;
  TimerService::Id spacing_ = 0;
};

}  // namespace tagpad
