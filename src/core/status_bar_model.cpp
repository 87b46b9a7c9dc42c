// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/status_bar_model.h"

namespace tagpad {

std::string_view StatusBarModel::displayed_text() const {
  return single_text_mode_ ? std::string_view(single_text_) : std::string_view();
}

void StatusBarModel::set_single_text_mode(bool on) {
  if (on == single_text_mode_) return;
  single_text_mode_ = on;
  changed();
}

void StatusBarModel::set_single_text(std::string text) {
  if (text == single_text_) return;
  single_text_ = std::move(text);
  if (single_text_mode_) changed();
}

void StatusBarModel::show_hint(std::string_view hint) {
  if (hint.empty()) {
    set_single_text_mode(false);
    return;
  }
  set_single_text_mode(true);
  set_single_text(std::string(hint));
}

void StatusBarModel::changed() { on_changed_.notify(); }

}  // namespace tagpad
