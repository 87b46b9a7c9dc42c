// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/tooltip_controller.h"

#include "core/command.h"
#include "core/command_control.h"
#include "core/hint.h"

namespace tagpad {

TooltipController::TooltipController(TimerService& timers, View& view) : timers_(timers), view_(view) {}

TooltipController::~TooltipController() {
  if (timer_) timers_.cancel(timer_);
}

void TooltipController::pointer_moved(const BoundControl* control, int x, int y) {
  x_ = x;
  y_ = y;
  if (control == control_) {
    // The pointer has not rested yet: motion inside the control starts the
    // delay again, so that a tooltip never pops up under a moving pointer;
    // the next control's tip, due at once, is not put off. A shown tooltip
    // stays where it opened.
    if (state_ == State::Waiting && delay_ != NextDelay) wait(delay_);
    return;
  }
  bool was_showing = state_ == State::Showing;
  stop();
  control_ = control;
  if (!control || text_for(*control).empty()) return;
  wait(was_showing ? NextDelay : ShowDelay);
}

void TooltipController::pointer_left() {
  stop();
  control_ = nullptr;
}

void TooltipController::dismiss() {
  stop();
  if (control_) state_ = State::Dismissed;
}

std::string TooltipController::text_for(const BoundControl& control) {
  const Command* command = control.command();
  return tooltip_text(control.hint(), command ? command->shortcut() : Shortcut{});
}

void TooltipController::wait(unsigned int milliseconds) {
  if (timer_) timers_.cancel(timer_);
  state_ = State::Waiting;
  delay_ = milliseconds;
  timer_ = timers_.start(milliseconds, [this] {
    timer_ = 0;
    show();
  });
}

void TooltipController::show() {
  view_.show_tooltip(text_for(*control_), x_, y_);
  state_ = State::Showing;
  timer_ = timers_.start(ShowTime, [this] {
    timer_ = 0;
    view_.hide_tooltip();
    state_ = State::Dismissed;
  });
}

void TooltipController::stop() {
  if (timer_) timers_.cancel(timer_);
  timer_ = 0;
  if (state_ == State::Showing) view_.hide_tooltip();
  state_ = State::Idle;
}

}  // namespace tagpad
