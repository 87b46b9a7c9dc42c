// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gdk/gdkx.h>
#include <gtkmm/widget.h>

#include <X11/extensions/XTest.h>

namespace tagpad {

/// The X server's own pointer, moved and pressed through XTest, so that the
/// program receives what a mouse would give it: motion, crossings and the
/// implicit grab of a held button. The events arrive through the main loop.
class XPointer {
 public:
  XPointer() : display_(GDK_DISPLAY_XDISPLAY(gdk_display_get_default())) {}
  // Left where no window of a later test opens: with no window manager, a
  // window under the pointer may get the keyboard focus.
  ~XPointer() { move_to_screen(0, 0); }
  XPointer(const XPointer&) = delete;
  XPointer& operator=(const XPointer&) = delete;

  /// Moves the pointer to x, y of the widget's allocation.
  void move_to(Gtk::Widget& widget, int x, int y) {
    int origin_x = 0, origin_y = 0;
    widget.get_toplevel()->get_window()->get_origin(origin_x, origin_y);
    int in_x = 0, in_y = 0;
    widget.translate_coordinates(*widget.get_toplevel(), x, y, in_x, in_y);
    move_to_screen(origin_x + in_x, origin_y + in_y);
  }

  void move_to_screen(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XFlush(display_);
  }

  void press() { button(true); }
  void release() { button(false); }

 private:
  void button(bool down) {
    XTestFakeButtonEvent(display_, 1, down ? True : False, CurrentTime);
    XFlush(display_);
  }

  Display* display_;
};

}  // namespace tagpad
