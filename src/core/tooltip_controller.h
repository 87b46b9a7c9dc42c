// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/timer_service.h"

#include <string>

namespace tagpad {

class BoundControl;

/// When the toolbar's tooltips show and hide. The GTK layer feeds it the
/// pointer's moves over the toolbar (with the button under the pointer,
/// disabled ones included), leaving, clicks and key presses, and draws what
/// it is told through `View`.
class TooltipController {
 public:
  /// Resting time before a tooltip shows.
  static constexpr unsigned int ShowDelay = 500;
  /// Delay when the pointer moves to the next control while a tooltip shows.
  static constexpr unsigned int NextDelay = 0;
  /// How long a tooltip stays.
  static constexpr unsigned int ShowTime = 2500;

  class View {
   public:
    virtual ~View() = default;
    /// Shows (or replaces) the tooltip just below the pointer at x, y.
    virtual void show_tooltip(const std::string& text, int x, int y) = 0;
    virtual void hide_tooltip() = 0;
  };

  TooltipController(TimerService& timers, View& view);
  ~TooltipController();
  TooltipController(const TooltipController&) = delete;
  TooltipController& operator=(const TooltipController&) = delete;

  /// The pointer is at x, y over `control`, or over no control (nullptr).
  /// Motion inside the same control restarts the resting delay while the
  /// tooltip has not opened yet, but not the next control's, and leaves an
  /// open one where it is. The control must outlive the controller or be
  /// left first.
  void pointer_moved(const BoundControl* control, int x, int y);
  /// The pointer has left the toolbar.
  void pointer_left();
  /// A click or key press: hides the tooltip; the control under the pointer
  /// shows none again until the pointer goes to another control.
  void dismiss();

  /// The text the control's tooltip shows: its short hint, with the
  /// shortcut of its command if it has one; empty for no tooltip.
  static std::string text_for(const BoundControl& control);

 private:
  enum class State { Idle, Waiting, Showing, Dismissed };

  void wait(unsigned int milliseconds);
  void show();
  void stop();

  TimerService& timers_;
  View& view_;
  State state_ = State::Idle;
  const BoundControl* control_ = nullptr;
  TimerService::Id timer_ = 0;
  // What the pending wait was started with.
  unsigned int delay_ = ShowDelay;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace tagpad
