// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/key_suppression.h"

namespace tagpad {

namespace {

constexpr unsigned KeyI = 73;
constexpr unsigned KeyJ = 74;
constexpr unsigned KeyM = 77;

}  // namespace

void KeySuppression::key_down(unsigned key, Modifiers modifiers) {
  // Only Ctrl counts: Ctrl+Shift+I produces the same tab.
  suppress_key_ = modifiers.ctrl && (key == KeyI || key == KeyJ || key == KeyM);
}

}  // namespace tagpad
