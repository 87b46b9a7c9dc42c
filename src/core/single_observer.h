// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <functional>
#include <stdexcept>
#include <utility>

namespace tagpad {

/// A change notification with room for one observer. Attaching a second one
/// is a wiring fault, not a replacement: it would silently unhook the first.
template <typename... Args>
class SingleObserver {
 public:
  using Callback = std::function<void(Args...)>;

  /// Throws `std::logic_error` when an observer is already attached.
  void attach(Callback callback) {
    if (callback_) throw std::logic_error("a second observer would unhook the first");
    callback_ = std::move(callback);
  }

  void notify(Args... args) const {
    if (callback_) callback_(args...);
  }

 private:
  Callback callback_;
};

}  // namespace tagpad
