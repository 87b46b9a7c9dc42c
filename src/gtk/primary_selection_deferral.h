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
    // Only the outermost of nested deferrals detaches and reattaches.
    if (primary_ && adjust_depth(+1) == 1) gtk_text_buffer_remove_selection_clipboard(buffer_, primary_);
  }
  ~PrimarySelectionDeferral() {
    if (primary_ && adjust_depth(-1) == 0) {
      gtk_text_buffer_add_selection_clipboard(buffer_, primary_);
      // Reattaching claims nothing; setting a selection mark in place does.
      GtkTextMark* bound = gtk_text_buffer_get_selection_bound(buffer_);
      GtkTextIter at;
      gtk_text_buffer_get_iter_at_mark(buffer_, &at, bound);
      gtk_text_buffer_move_mark(buffer_, bound, &at);
    }
  }
  PrimarySelectionDeferral(const PrimarySelectionDeferral&) = delete;
  PrimarySelectionDeferral& operator=(const PrimarySelectionDeferral&) = delete;

 private:
  // The nesting depth lives on the buffer, which all deferrals of it share.
  unsigned adjust_depth(int by) {
    static const char* const key = "tagpad-primary-selection-deferrals";
    const unsigned depth = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(buffer_), key)) + by;
    g_object_set_data(G_OBJECT(buffer_), key, GUINT_TO_POINTER(depth));
    return depth;
  }

  GtkTextBuffer* buffer_;
  GtkClipboard* primary_;
};

}  // namespace tagpad
