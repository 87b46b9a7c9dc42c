// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtk/gtk.h>

namespace tagpad {

/// While alive, selection moves in a text view's buffer do not claim the X
/// PRIMARY selection; it is claimed once at the end. Each claim is a round
/// trip to the X server that also scans the queued events, so a batch of
/// selection moves without it turns quadratic.
class PrimarySelectionDeferral {
 public:
  explicit PrimarySelectionDeferral(GtkTextView* view)
      : buffer_(gtk_text_view_get_buffer(view)),
        // The view attaches the PRIMARY clipboard only while realized.
        primary_(gtk_widget_get_realized(GTK_WIDGET(view)) ? gtk_widget_get_clipboard(GTK_WIDGET(view), GDK_SELECTION_PRIMARY)
                                                           : nullptr) {
    if (primary_) gtk_text_buffer_remove_selection_clipboard(buffer_, primary_);
  }
  ~PrimarySelectionDeferral() {
    if (primary_) gtk_text_buffer_add_selection_clipboard(buffer_, primary_);
  }
  PrimarySelectionDeferral(const PrimarySelectionDeferral&) = delete;
  PrimarySelectionDeferral& operator=(const PrimarySelectionDeferral&) = delete;

 private:
  GtkTextBuffer* buffer_;
  GtkClipboard* primary_;
};

}  // namespace tagpad
