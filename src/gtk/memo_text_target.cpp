// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/memo_text_target.h"

#include <memory>

namespace tagpad {

MemoTextTarget::MemoTextTarget(SourcePane& pane)
    : pane_(pane), view_(pane.view()), buffer_(gtk_text_view_get_buffer(view_.gobj())) {}

GtkTextIter MemoTextTarget::iter_at(std::size_t offset) const {
  GtkTextIter iter;
  gtk_text_buffer_get_iter_at_offset(buffer_, &iter, static_cast<int>(offset));
  return iter;
}

std::size_t MemoTextTarget::length() const { return static_cast<std::size_t>(gtk_text_buffer_get_char_count(buffer_)); }

std::string MemoTextTarget::read(std::size_t start, std::size_t count) const {
  GtkTextIter from = iter_at(start);
  GtkTextIter to = iter_at(start + count);
  // A slice keeps a placeholder for embedded objects, so offsets stay true.
  std::unique_ptr<char, decltype(&g_free)> text(gtk_text_buffer_get_slice(buffer_, &from, &to, TRUE), g_free);
  return text.get();
}

std::pair<std::size_t, std::size_t> MemoTextTarget::selection() const {
  GtkTextIter start, end;
  gtk_text_buffer_get_selection_bounds(buffer_, &start, &end);
  const auto from = static_cast<std::size_t>(gtk_text_iter_get_offset(&start));
  return {from, static_cast<std::size_t>(gtk_text_iter_get_offset(&end)) - from};
}

std::size_t MemoTextTarget::selection_start() const { return selection().first; }

std::size_t MemoTextTarget::selection_length() const { return selection().second; }

void MemoTextTarget::set_selection(std::size_t start, std::size_t length) {
  GtkTextIter anchor = iter_at(start);
  GtkTextIter caret = iter_at(start + length);
  // Find and replace move the selection in bursts: one claim of the PRIMARY
  // selection after the burst, not one per mark moved.
  const PrimarySelectionDeferral::Hold deferral(pane_.primary_selection());
  gtk_text_buffer_select_range(buffer_, &caret, &anchor);
  gtk_text_view_scroll_mark_onscreen(view_.gobj(), gtk_text_buffer_get_insert(buffer_));
}

void MemoTextTarget::replace_selection(std::string_view text) {
  SourcePane::UndoStep one_step(pane_);
  gtk_text_buffer_delete_selection(buffer_, FALSE, TRUE);
  gtk_text_buffer_insert_at_cursor(buffer_, text.data(), static_cast<int>(text.size()));
}

void MemoTextTarget::replace_text(const std::string& text) { pane_.set_text(text); }

bool MemoTextTarget::read_only() const { return !gtk_text_view_get_editable(view_.gobj()); }

bool MemoTextTarget::can_undo() const { return gtk_source_buffer_can_undo(GTK_SOURCE_BUFFER(buffer_)); }

void MemoTextTarget::undo() { gtk_source_buffer_undo(GTK_SOURCE_BUFFER(buffer_)); }

void MemoTextTarget::copy_selection() {
  gtk_text_buffer_copy_clipboard(buffer_, gtk_widget_get_clipboard(GTK_WIDGET(view_.gobj()), GDK_SELECTION_CLIPBOARD));
}

void MemoTextTarget::cut_selection() {
  gtk_text_buffer_cut_clipboard(buffer_, gtk_widget_get_clipboard(GTK_WIDGET(view_.gobj()), GDK_SELECTION_CLIPBOARD),
                                TRUE);
}

void MemoTextTarget::paste() {
  // The paste arrives asynchronously; the program waits for nothing here.
  gtk_text_buffer_paste_clipboard(buffer_, gtk_widget_get_clipboard(GTK_WIDGET(view_.gobj()), GDK_SELECTION_CLIPBOARD),
                                  nullptr, TRUE);
}

}  // namespace tagpad
