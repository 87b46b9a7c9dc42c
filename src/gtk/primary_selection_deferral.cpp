// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/primary_selection_deferral.h"

namespace tagpad {

namespace {

// Shared by every deferral of one buffer, from the detach to the claim. The
// view unrealizes before it or its buffer goes, which ends the claim.
struct PendingPrimaryClaim {
  GtkTextView* view;
  GtkTextBuffer* buffer;
  GtkClipboard* primary;
  unsigned depth = 0;
  guint claim_source = 0;
  gulong unrealize_id = 0;
};

constexpr const char* PendingKey = "tagpad-primary-selection-deferral";

// Gives the clipboard back to the buffer; with `claim`, for its selection.
void reattach(PendingPrimaryClaim* pending, bool claim) {
  GtkTextBuffer* buffer = pending->buffer;
  if (pending->claim_source) g_source_remove(pending->claim_source);
  g_signal_handler_disconnect(pending->view, pending->unrealize_id);
  g_object_set_data(G_OBJECT(buffer), PendingKey, nullptr);
  gtk_text_buffer_add_selection_clipboard(buffer, pending->primary);
  if (claim) {
    // Reattaching claims nothing; setting a selection mark in place does.
    GtkTextMark* bound = gtk_text_buffer_get_selection_bound(buffer);
    GtkTextIter at;
    gtk_text_buffer_get_iter_at_mark(buffer, &at, bound);
    gtk_text_buffer_move_mark(buffer, bound, &at);
  }
  delete pending;
}

gboolean on_claim_due(gpointer data) {
  auto* pending = static_cast<PendingPrimaryClaim*>(data);
  pending->claim_source = 0;
  reattach(pending, true);
  return G_SOURCE_REMOVE;
}

// Giving the clipboard up while owning it collapses the selection, as when
// another control takes it; the selection stays as it was.
void detach_keeping_selection(GtkTextBuffer* buffer, GtkClipboard* primary) {
  GtkTextIter insert, bound;
  gtk_text_buffer_get_iter_at_mark(buffer, &insert, gtk_text_buffer_get_insert(buffer));
  gtk_text_buffer_get_iter_at_mark(buffer, &bound, gtk_text_buffer_get_selection_bound(buffer));
  const int insert_at = gtk_text_iter_get_offset(&insert), bound_at = gtk_text_iter_get_offset(&bound);
  gtk_text_buffer_remove_selection_clipboard(buffer, primary);
  gtk_text_buffer_get_iter_at_offset(buffer, &insert, insert_at);
  gtk_text_buffer_get_iter_at_offset(buffer, &bound, bound_at);
  gtk_text_buffer_select_range(buffer, &insert, &bound);
}

// The view detaches the clipboard itself as it unrealizes; it must find it.
void on_unrealize(GtkWidget*, gpointer data) { reattach(static_cast<PendingPrimaryClaim*>(data), false); }

}  // namespace

PrimarySelectionDeferral::PrimarySelectionDeferral(GtkTextView* view) : buffer_(nullptr) {
  // The view attaches the PRIMARY clipboard only while realized.
  if (!gtk_widget_get_realized(GTK_WIDGET(view))) return;
  buffer_ = GTK_TEXT_BUFFER(g_object_ref(gtk_text_view_get_buffer(view)));
  auto* pending = static_cast<PendingPrimaryClaim*>(g_object_get_data(G_OBJECT(buffer_), PendingKey));
  if (!pending) {
    pending = new PendingPrimaryClaim{view, buffer_, gtk_widget_get_clipboard(GTK_WIDGET(view), GDK_SELECTION_PRIMARY)};
    pending->unrealize_id = g_signal_connect(view, "unrealize", G_CALLBACK(on_unrealize), pending);
    g_object_set_data(G_OBJECT(buffer_), PendingKey, pending);
    detach_keeping_selection(buffer_, pending->primary);
  }
  // A new burst puts off the claim of the last one.
  if (pending->claim_source) g_source_remove(pending->claim_source);
  pending->claim_source = 0;
  ++pending->depth;
}

PrimarySelectionDeferral::~PrimarySelectionDeferral() {
  if (!buffer_) return;
  // Looked up afresh: an unrealize meanwhile has already given the clipboard back.
  auto* pending = static_cast<PendingPrimaryClaim*>(g_object_get_data(G_OBJECT(buffer_), PendingKey));
  g_object_unref(buffer_);
  if (!pending || --pending->depth > 0) return;
  // Each burst's end puts the claim off again.
  if (pending->claim_source) g_source_remove(pending->claim_source);
  pending->claim_source = g_timeout_add(ClaimDelayMs, on_claim_due, pending);
}

}  // namespace tagpad
