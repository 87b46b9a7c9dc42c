// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/source_pane.h"

#include "core/error.h"
#include "gtk/deliver.h"
#include "gtk/pane_snapshot.h"

#include <memory>

namespace tagpad {

SourcePane::SourcePane(Gtk::TextView& view) : view_(view) {
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(view_.gobj());
  if (!GTK_SOURCE_IS_BUFFER(buffer)) throw Error("unit1.ui: 'Memo' has no source buffer");
  buffer_ = GTK_SOURCE_BUFFER(buffer);
  gtk_source_buffer_set_highlight_syntax(buffer_, FALSE);
  gtk_source_buffer_set_highlight_matching_brackets(buffer_, FALSE);
  changed_id_ = g_signal_connect_swapped(buffer_, "changed",
                                         G_CALLBACK(+[](SourcePane* self) { self->on_buffer_changed(); }), this);
  // Keyboard focus movement never lands in the pane; a click still focuses it.
  // Stopping the emission keeps the view's own handler from taking the focus;
  // FALSE sends the focus on to the next control.
  focus_id_ = g_signal_connect(view_.gobj(), "focus", G_CALLBACK(+[](GtkWidget* view, GtkDirectionType, gpointer) {
                                 g_signal_stop_emission_by_name(view, "focus");
                                 return gboolean(FALSE);
                               }),
                               nullptr);
  // The view takes the PRIMARY clipboard as it realizes.
  const GCallback follow_focus = G_CALLBACK(+[](SourcePane* self) {
    self->follow_focus();
    return gboolean(FALSE);
  });
  focus_in_id_ = g_signal_connect_swapped(view_.gobj(), "focus-in-event", follow_focus, this);
  focus_out_id_ = g_signal_connect_swapped(view_.gobj(), "focus-out-event", follow_focus, this);
  realize_id_ = g_signal_connect_data(view_.gobj(), "realize", follow_focus, this, nullptr,
                                      GConnectFlags(G_CONNECT_SWAPPED | G_CONNECT_AFTER));
  unrealize_id_ = g_signal_connect_swapped(view_.gobj(), "unrealize",
                                           G_CALLBACK(+[](SourcePane* self) { self->unfocused_.reset(); }), this);
  // Stopping the emission skips the view's own drawing while suspended.
  draw_id_ = g_signal_connect_swapped(view_.gobj(), "draw", G_CALLBACK(+[](SourcePane* self) {
                                        if (self->redraw_freezes_ == 0) return gboolean(FALSE);
                                        g_signal_stop_emission_by_name(self->view_.gobj(), "draw");
                                        return gboolean(TRUE);
                                      }),
                                      this);
}

SourcePane::~SourcePane() {
  g_signal_handler_disconnect(buffer_, changed_id_);
  g_signal_handler_disconnect(view_.gobj(), focus_id_);
  g_signal_handler_disconnect(view_.gobj(), draw_id_);
  for (gulong id : {focus_in_id_, focus_out_id_, realize_id_, unrealize_id_})
    g_signal_handler_disconnect(view_.gobj(), id);
}

std::string SourcePane::text() const {
  std::string text;
  lend_text([&](std::string_view whole) { text = whole; });
  return text;
}

std::unique_ptr<TextSnapshot> SourcePane::snapshot() const {
  return std::make_unique<PaneSnapshot>(GTK_TEXT_BUFFER(buffer_));
}

void SourcePane::lend_text(const std::function<void(std::string_view)>& use) const {
  GtkTextBuffer* buffer = GTK_TEXT_BUFFER(buffer_);
  GtkTextIter start, end;
  gtk_text_buffer_get_bounds(buffer, &start, &end);
  std::unique_ptr<char, decltype(&g_free)> text(gtk_text_buffer_get_text(buffer, &start, &end, TRUE), g_free);
  use(text.get());
}

bool SourcePane::empty() const { return gtk_text_buffer_get_char_count(GTK_TEXT_BUFFER(buffer_)) == 0; }

bool SourcePane::holds(std::string_view text) const {
  if (gtk_text_buffer_get_char_count(GTK_TEXT_BUFFER(buffer_)) != g_utf8_strlen(text.data(), text.size())) return false;
  bool same = false;
  lend_text([&](std::string_view whole) { same = whole == text; });
  return same;
}

void SourcePane::set_text(const std::string& text) {
  GtkTextBuffer* buffer = GTK_TEXT_BUFFER(buffer_);
  if (holds(text)) return;
  GtkTextIter start, end;
  gtk_text_buffer_get_selection_bounds(buffer, &start, &end);
  const int from = gtk_text_iter_get_offset(&start);
  const int to = gtk_text_iter_get_offset(&end);
  setting_text_ = true;
  {
    UndoStep one_step(*this);
    // The undo manager puts the caret and selection back only where they
    // bound a deletion, and undoes a step's edits last to first: so the
    // selection goes first, then the text after it and before it.
    delete_range(from, to);
    delete_range(from, gtk_text_buffer_get_char_count(buffer));
    delete_range(0, from);
    gtk_text_buffer_get_start_iter(buffer, &start);
    gtk_text_buffer_insert(buffer, &start, text.data(), static_cast<int>(text.size()));
  }
  setting_text_ = false;
  change_.emit();
}

void SourcePane::delete_range(int from, int to) {
  if (from >= to) return;
  GtkTextBuffer* buffer = GTK_TEXT_BUFFER(buffer_);
  GtkTextIter start, end;
  gtk_text_buffer_get_iter_at_offset(buffer, &start, from);
  gtk_text_buffer_get_iter_at_offset(buffer, &end, to);
  gtk_text_buffer_delete(buffer, &start, &end);
}

int SourcePane::line_count() const { return gtk_text_buffer_get_line_count(GTK_TEXT_BUFFER(buffer_)); }

bool SourcePane::last_line_empty() const {
  GtkTextIter end;
  gtk_text_buffer_get_end_iter(GTK_TEXT_BUFFER(buffer_), &end);
  return gtk_text_iter_get_line_offset(&end) == 0;
}

SourcePane::UndoStep::UndoStep(SourcePane& pane) : buffer_(GTK_TEXT_BUFFER(pane.buffer_)) {
  gtk_text_buffer_begin_user_action(buffer_);
}

SourcePane::UndoStep::~UndoStep() { gtk_text_buffer_end_user_action(buffer_); }

void SourcePane::thaw_redraw() {
  if (--redraw_freezes_ == 0) view_.queue_draw();
}

void SourcePane::follow_focus() {
  // The clipboard is the view's only while it is realized.
  if (view_.has_focus() || !view_.get_realized())
    unfocused_.reset();
  else if (!unfocused_)
    unfocused_.emplace(primary_selection_);
}

void SourcePane::on_buffer_changed() {
  if (!setting_text_) deliver([this] { change_.emit(); });
}

}  // namespace tagpad
