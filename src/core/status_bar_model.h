// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/single_observer.h"

#include <functional>
#include <string>
#include <string_view>

namespace tagpad {

/// A status bar without panels in one of two modes: single-text mode shows
/// the single text across the bar; sectioned mode shows one blank section.
/// The single text stays stored while sectioned, and writing it never changes
/// the mode.
class StatusBarModel {
 public:
  bool single_text_mode() const { return single_text_mode_; }
  const std::string& single_text() const { return single_text_; }
  /// What the bar shows: the single text in single-text mode, else nothing.
  std::string_view displayed_text() const;

  void set_single_text_mode(bool on);
  void set_single_text(std::string text);

  /// The application hint's rule: a hint switches single-text mode on and
  /// becomes the single text; the empty hint switches it off and leaves the
  /// single text as it is.
  void show_hint(std::string_view hint);

  /// Fires when the mode changes, or the single text changes while shown;
  /// the widget then reads `single_text_mode` and `displayed_text`.
  void set_on_changed(std::function<void()> callback) { on_changed_.attach(std::move(callback)); }

 private:
  void changed();

  bool single_text_mode_ = false;
  std::string single_text_;
  SingleObserver<> on_changed_;
};

}  // namespace tagpad
