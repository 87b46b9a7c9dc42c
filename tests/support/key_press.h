// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtkmm/widget.h>

namespace tagpad {

/// Sends a key press to a realized widget as the display would, hardware
/// code included; returns whether a handler took it.
inline bool press(Gtk::Widget& widget, guint keyval, GdkModifierType state) {
  GdkDisplay* display = widget.get_display()->gobj();
  GdkKeymapKey* keys = nullptr;
  gint count = 0;
  gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys, &count);
  GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
  event->key.window = GDK_WINDOW(g_object_ref(widget.get_window()->gobj()));
  event->key.keyval = keyval;
  event->key.state = state;
  event->key.hardware_keycode = count > 0 ? keys[0].keycode : 0;
  event->key.time = GDK_CURRENT_TIME;
  gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
  g_free(keys);
  const bool handled = gtk_widget_event(widget.gobj(), event);
  gdk_event_free(event);
  return handled;
}

}  // namespace tagpad
