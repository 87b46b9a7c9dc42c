// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/key_event.h"

namespace tagpad {

guint first_layout_keyval(const GdkEventKey& event) {
  guint keyval = event.keyval;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event.window));
  gdk_keymap_translate_keyboard_state(keymap, event.hardware_keycode, GdkModifierType(0), 0, &keyval, nullptr, nullptr,
                                      nullptr);
  return gdk_keyval_to_upper(keyval);
}

}  // namespace tagpad
