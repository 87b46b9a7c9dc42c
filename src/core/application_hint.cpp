// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/application_hint.h"

#include "core/command_control.h"
#include "core/hint.h"

namespace tagpad {

void ApplicationHint::set(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  on_changed_.notify();
}

void ApplicationHint::set_from_control(const BoundControl* control) {
  set(control ? long_hint(control->hint()) : std::string());
}

}  // namespace tagpad
