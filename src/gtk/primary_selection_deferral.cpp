// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/primary_selection_deferral.h"

#include <glibmm/main.h>

namespace tagpad {

namespace {

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

// Reattaching claims nothing; setting a selection mark in place does.
void claim_for_selection(GtkTextBuffer* buffer) {
  GtkTextMark* bound = gtk_text_buffer_get_selection_bound(buffer);
  GtkTextIter at;
  gtk_text_buffer_get_iter_at_mark(buffer, &at, bound);
  gtk_text_buffer_move_mark(buffer, bound, &at);
}

}  // namespace

PrimarySelectionDeferral::PrimarySelectionDeferral(Gtk::TextView& view) : view_(view) {}

PrimarySelectionDeferral::~PrimarySelectionDeferral() {
  if (buffer_) reattach(false);
}

PrimarySelectionDeferral::Hold::Hold(PrimarySelectionDeferral& deferral) {
  if (!deferral.view_.get_realized()) return;
  deferral_ = &deferral;
  deferral.begin_hold();
  detachment_ = deferral.detachment_;
}

PrimarySelectionDeferral::Hold::~Hold() {
  if (deferral_) deferral_->end_hold(detachment_);
}

void PrimarySelectionDeferral::begin_hold() {
  if (!buffer_) detach();
  // A new burst puts off the claim of the last one.
  claim_due_.disconnect();
  ++depth_;
}

void PrimarySelectionDeferral::end_hold(unsigned detachment) {
  if (!buffer_ || detachment != detachment_ || --depth_ > 0) return;
  // Each burst's end puts the claim off again.
  claim_due_.disconnect();
  claim_due_ =
      Glib::signal_timeout().connect(sigc::mem_fun(*this, &PrimarySelectionDeferral::on_claim_due), ClaimDelayMs);
}

void PrimarySelectionDeferral::detach() {
  buffer_ = view_.get_buffer();
  primary_ = gtk_widget_get_clipboard(GTK_WIDGET(view_.gobj()), GDK_SELECTION_PRIMARY);
  depth_ = 0;
  ++detachment_;
  unrealize_ = view_.signal_unrealize().connect([this] { reattach(false); });
  detach_keeping_selection(buffer_->gobj(), primary_);
}

void PrimarySelectionDeferral::reattach(bool claim) {
  claim_due_.disconnect();
  unrealize_.disconnect();
  const Glib::RefPtr<Gtk::TextBuffer> buffer = std::move(buffer_);
  gtk_text_buffer_add_selection_clipboard(buffer->gobj(), primary_);
  if (claim) claim_for_selection(buffer->gobj());
}

bool PrimarySelectionDeferral::on_claim_due() {
  claim_due_ = {};  // the source ends as this returns
  reattach(true);
  return false;
}

}  // namespace tagpad
