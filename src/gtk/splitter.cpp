// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/splitter.h"

#include "core/splitter_rule.h"

#include <gdkmm/cursor.h>

#include <cmath>

namespace tagpad {

Splitter::Splitter(Gtk::EventBox& bar, Gtk::Widget& line, Gtk::Widget& editor, Gtk::Widget& preview)
    : bar_(bar), line_(line), editor_(editor), preview_(preview) {
  int width = 0, height = 0;
  preview_.get_size_request(width, height);
  preview_height_ = height;
  bar_.add_events(Gdk::BUTTON_PRESS_MASK | Gdk::BUTTON_RELEASE_MASK | Gdk::POINTER_MOTION_MASK);
  connections_.add(bar_.signal_realize().connect(
      [this] { bar_.get_window()->set_cursor(Gdk::Cursor::create(bar_.get_display(), "ns-resize")); }));
  connections_.add(bar_.signal_button_press_event().connect(sigc::mem_fun(*this, &Splitter::on_press), false));
  connections_.add(bar_.signal_motion_notify_event().connect(sigc::mem_fun(*this, &Splitter::on_motion), false));
  connections_.add(bar_.signal_button_release_event().connect(sigc::mem_fun(*this, &Splitter::on_release), false));
  line_.set_no_show_all(true);
}

int Splitter::available_height() const {
  return editor_.get_allocated_height() + (preview_.get_visible() ? preview_height_ : 0);
}

int Splitter::dragged_to(double root_y) const {
  return press_height_ - static_cast<int>(std::lround(root_y - press_root_y_));
}

bool Splitter::on_press(GdkEventButton* event) {
  if (event->button != 1 || event->type != GDK_BUTTON_PRESS) return false;
  dragging_ = true;
  press_root_y_ = event->y_root;
  press_height_ = preview_.get_visible() ? preview_height_ : 0;
  show_line(press_height_);
  return true;
}

bool Splitter::on_motion(GdkEventMotion* event) {
  if (!dragging_) return false;
  show_line(splitter_height(dragged_to(event->y_root), available_height()));
  return true;
}

void Splitter::show_line(int preview_height) {
  // The line stands where the bar's top edge will be after release.
  int bar_x = 0, bar_y = 0;
  bar_.translate_coordinates(*bar_.get_toplevel(), 0, 0, bar_x, bar_y);
  line_.set_margin_top(std::max(0, bar_y + press_height_ - preview_height));
  line_.show();
}

bool Splitter::on_release(GdkEventButton* event) {
  if (!dragging_ || event->button != 1) return false;
  dragging_ = false;
  line_.hide();
  resize_preview(dragged_to(event->y_root));
  return true;
}

int Splitter::resize_preview(int proposed) {
  preview_height_ = splitter_height(proposed, available_height());
  if (preview_height_ == 0) {
    preview_.hide();
  } else {
    preview_.set_size_request(-1, preview_height_);
    preview_.show();
    // A widget measured while hidden keeps those sizes when it shows again.
    preview_.queue_resize();
  }
  return preview_height_;
}

}  // namespace tagpad
