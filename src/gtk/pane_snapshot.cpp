// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/pane_snapshot.h"

#include <utility>

namespace tagpad {
namespace {

// Characters per piece read from the buffer: large enough to keep the
// number of reads small, small enough that no read is felt.
constexpr int PieceCharacters = 64 * 1024;

}  // namespace

PaneSnapshot::PaneSnapshot(GtkTextBuffer* buffer)
    : buffer_(GTK_TEXT_BUFFER(g_object_ref(buffer))),
      size_hint_(static_cast<std::size_t>(gtk_text_buffer_get_char_count(buffer))) {
  // Both signals run their handlers before the buffer changes.
  insert_id_ = g_signal_connect_swapped(
      buffer_, "insert-text", G_CALLBACK(+[](PaneSnapshot* self, GtkTextIter*, gchar*, gint) { self->keep_rest(); }),
      this);
  delete_id_ = g_signal_connect_swapped(
      buffer_, "delete-range", G_CALLBACK(+[](PaneSnapshot* self, GtkTextIter*, GtkTextIter*) { self->keep_rest(); }),
      this);
}

PaneSnapshot::~PaneSnapshot() { let_go(); }

std::string_view PaneSnapshot::next_piece() {
  if (rest_) return rest_->next_piece();
  if (!buffer_) return {};
  GtkTextIter start, end;
  gtk_text_buffer_get_iter_at_offset(buffer_, &start, characters_read_);
  end = start;
  gtk_text_iter_forward_chars(&end, PieceCharacters);
  piece_.reset(gtk_text_buffer_get_text(buffer_, &start, &end, TRUE));
  characters_read_ = gtk_text_iter_get_offset(&end);
  if (gtk_text_iter_is_end(&end)) let_go();
  return piece_.get();
}

void PaneSnapshot::keep_rest() {
  GtkTextIter start, end;
  gtk_text_buffer_get_iter_at_offset(buffer_, &start, characters_read_);
  gtk_text_buffer_get_end_iter(buffer_, &end);
  std::unique_ptr<char, decltype(&g_free)> rest(gtk_text_buffer_get_text(buffer_, &start, &end, TRUE), g_free);
  rest_.emplace(rest.get());
  let_go();
}

void PaneSnapshot::let_go() {
  if (!buffer_) return;
  g_signal_handler_disconnect(buffer_, insert_id_);
  g_signal_handler_disconnect(buffer_, delete_id_);
  g_object_unref(std::exchange(buffer_, nullptr));
}

}  // namespace tagpad
