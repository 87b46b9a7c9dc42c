// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/single_observer.h"

#include <functional>
#include <string>

namespace tagpad {

class BoundControl;

/// The application's one hint text, set from what the pointer rests on or
/// what a menu highlights. Its changed callback (the window's `ShowHint`)
/// fires only when the text actually changes, so that what other writers put
/// into the status bar stays until then.
class ApplicationHint {
 public:
  const std::string& text() const { return text_; }

  void set(std::string text);

  /// The long part of the control's hint; the empty text for no control
  /// (pointer over nothing with a hint, a menu closing).
  void set_from_control(const BoundControl* control);

  /// One observer, attached once.
  void set_on_changed(std::function<void()> callback) { on_changed_.attach(std::move(callback)); }

 private:
  std::string text_;
  SingleObserver<> on_changed_;
};

}  // namespace tagpad
