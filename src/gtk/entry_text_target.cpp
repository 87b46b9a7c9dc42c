// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/entry_text_target.h"

#include <glib.h>

namespace tagpad {

EntryTextTarget::EntryTextTarget(Gtk::Entry& entry) : entry_(entry) {
  GtkEntry* raw = entry_.gobj();
  handler_ids_ = {g_signal_connect(raw, "insert-text", G_CALLBACK(on_insert_text), this),
                  g_signal_connect(raw, "delete-text", G_CALLBACK(on_delete_text), this),
                  g_signal_connect(raw, "notify::cursor-position", G_CALLBACK(on_cursor_moved), this)};
}

EntryTextTarget::~EntryTextTarget() {
  for (gulong id : handler_ids_) g_signal_handler_disconnect(entry_.gobj(), id);
}

template <typename F>
void EntryTextTarget::unrecorded(F&& change) {
  recording_ = false;
  try {
    change();
  } catch (...) {
    recording_ = true;
    throw;
  }
  recording_ = true;
}

void EntryTextTarget::set_text(const std::string& text) {
  if (entry_.get_text() == text) return;
  undo_.program_change();
  unrecorded([&] { entry_.set_text(text); });
}

EntryState EntryTextTarget::state() const { return {entry_.get_text(), selection_start(), selection_length()}; }

std::size_t EntryTextTarget::length() const { return entry_.get_text_length(); }

std::string EntryTextTarget::read(std::size_t start, std::size_t count) const {
  return entry_.get_text().substr(start, count);
}

std::size_t EntryTextTarget::selection_start() const {
  int start = 0, end = 0;
  if (!entry_.get_selection_bounds(start, end)) return static_cast<std::size_t>(entry_.get_position());
  return static_cast<std::size_t>(std::min(start, end));
}

std::size_t EntryTextTarget::selection_length() const {
  int start = 0, end = 0;
  if (!entry_.get_selection_bounds(start, end)) return 0;
  return static_cast<std::size_t>(std::abs(end - start));
}

void EntryTextTarget::set_selection(std::size_t start, std::size_t length) {
  entry_.select_region(static_cast<int>(start), static_cast<int>(start + length));
}

void EntryTextTarget::replace_selection(std::string_view text) {
  undo_.program_change();
  unrecorded([&] {
    entry_.delete_selection();
    int position = entry_.get_position();
    entry_.insert_text(Glib::ustring(text.data(), text.size()), static_cast<int>(text.size()), position);
    entry_.set_position(position);
  });
}

bool EntryTextTarget::read_only() const { return !entry_.get_editable(); }

void EntryTextTarget::undo() {
  const EntryState restored = undo_.undo(state());
  unrecorded([&] {
    entry_.set_text(restored.text);
    set_selection(restored.selection_start, restored.selection_length);
  });
}

void EntryTextTarget::copy_selection() { entry_.copy_clipboard(); }

void EntryTextTarget::cut_selection() { entry_.cut_clipboard(); }

void EntryTextTarget::paste() { entry_.paste_clipboard(); }

void EntryTextTarget::on_insert_text(GtkEditable*, const char* text, int length, int* position, gpointer self) {
  auto& target = *static_cast<EntryTextTarget*>(self);
  if (!target.recording_) return;
  const std::size_t count = length < 0 ? g_utf8_strlen(text, -1) : g_utf8_strlen(text, length);
  target.undo_.inserting(target.state(), static_cast<std::size_t>(*position), count);
}

void EntryTextTarget::on_delete_text(GtkEditable*, int start, int end, gpointer self) {
  auto& target = *static_cast<EntryTextTarget*>(self);
  if (!target.recording_) return;
  if (end < 0) end = static_cast<int>(target.length());
  target.undo_.deleting(target.state(), static_cast<std::size_t>(start), static_cast<std::size_t>(end));
}

void EntryTextTarget::on_cursor_moved(GObject*, GParamSpec*, gpointer self) {
  auto& target = *static_cast<EntryTextTarget*>(self);
  if (target.recording_) target.undo_.caret_moved(static_cast<std::size_t>(target.entry_.get_position()));
}

}  // namespace tagpad
