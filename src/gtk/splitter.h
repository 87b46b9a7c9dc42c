// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "gtk/connections.h"

#include <gtkmm/eventbox.h>
#include <gtkmm/widget.h>

namespace tagpad {

/// The bar between the editor and the preview: while the button is held
/// only a line shows where it would go; the preview is resized on release.
class Splitter {
 public:
  /// `bar` takes the pointer, `line` is shown while dragging, `editor` and
  /// `preview` share the height, the preview taking what the drag sets.
  Splitter(Gtk::EventBox& bar, Gtk::Widget& line, Gtk::Widget& editor, Gtk::Widget& preview);

  int preview_height() const { return preview_height_; }
  /// Sets the preview's height as a drag to it would; returns the result.
  int resize_preview(int proposed);

 private:
  bool on_press(GdkEventButton* event);
  bool on_motion(GdkEventMotion* event);
  bool on_release(GdkEventButton* event);
  int available_height() const;
  int dragged_to(double root_y) const;
  void show_line(int preview_height);

  // Borrowed from the window description.
  Gtk::EventBox& bar_;
  Gtk::Widget& line_;
  Gtk::Widget& editor_;
  Gtk::Widget& preview_;

  int preview_height_;
  bool dragging_ = false;
  double press_root_y_ = 0;
  int press_height_ = 0;
  // To the bar, which outlives this object.
  Connections connections_;
};

}  // namespace tagpad
