// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_target.h"

#include <functional>
#include <optional>
#include <utility>

namespace tagpad {

/// The text control with the keyboard focus, as the standard commands see it.
/// Finding it asks the toolkit; one dispatch (a key press, an idle refresh)
/// reaches many commands, so the window finds it once at the start of the
/// dispatch and the commands share that answer.
class FocusedTarget {
 public:
  /// Finds the focused text control, or null.
  using Find = std::function<TextTarget*()>;

  explicit FocusedTarget(Find find) : find_(std::move(find)) {}
  FocusedTarget(const FocusedTarget&) = delete;
  FocusedTarget& operator=(const FocusedTarget&) = delete;

  /// The answer held for the running dispatch, or else a fresh one.
  TextTarget* get() const { return held_ ? *held_ : find_(); }

  /// Finds the target once and holds the answer for its own life. Nests: an
  /// inner hold (a dispatch inside a handler's nested loop) finds afresh and
  /// gives the outer answer back when it ends.
  class Hold {
   public:
    explicit Hold(FocusedTarget& focused) : focused_(focused), outer_(focused.held_) {
      focused_.held_ = focused_.find_();
    }
    ~Hold() { focused_.held_ = outer_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    FocusedTarget& focused_;
    std::optional<TextTarget*> outer_;
  };

 private:
  Find find_;
  std::optional<TextTarget*> held_;
};

}  // namespace tagpad
