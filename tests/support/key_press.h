// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtkmm/widget.h>
#include <gtkmm/window.h>

namespace tagpad {

/// A key event on `window` as the display would send it, hardware code
/// included; free it with gdk_event_free.
inline GdkEvent* new_key_event(GdkEventType type, GdkWindow* window, guint keyval, GdkModifierType state,
                               guint32 time) {
  GdkDisplay* display = gdk_window_get_display(window);
  GdkKeymapKey* keys = nullptr;
  gint count = 0;
  gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys, &count);
  GdkEvent* event = gdk_event_new(type);
  event->key.window = GDK_WINDOW(g_object_ref(window));
  event->key.keyval = keyval;
  event->key.state = state;
  event->key.hardware_keycode = count > 0 ? keys[0].keycode : 0;
  event->key.time = time;
  gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
  g_free(keys);
  return event;
}

/// Sends a key press to a realized widget; returns whether a handler took it.
inline bool press(Gtk::Widget& widget, guint keyval, GdkModifierType state) {
  GdkEvent* event = new_key_event(GDK_KEY_PRESS, widget.get_window()->gobj(), keyval, state, GDK_CURRENT_TIME);
  const bool handled = gtk_widget_event(widget.gobj(), event);
  gdk_event_free(event);
  return handled;
}

/// Presses and releases a key in a shown window through the toolkit's main
/// event handler, as a user would: grabs apply, and each event is the
/// current one, with `time` as its time stamp, while it is handled.
inline void type_key(Gtk::Window& window, guint keyval, guint32 time) {
  for (GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
    GdkEvent* event = new_key_event(type, window.get_window()->gobj(), keyval, GdkModifierType(0), time);
    gtk_main_do_event(event);
    gdk_event_free(event);
  }
}

}  // namespace tagpad
