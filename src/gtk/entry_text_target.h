// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/entry_undo.h"
#include "core/text_target.h"

#include <gtkmm/entry.h>

#include <vector>

namespace tagpad {

/// The address bar as a text target, with the single-level undo that GTK's
/// entry lacks. Program changes go through set_text so they leave nothing
/// to undo.
class EntryTextTarget : public TextTarget {
 public:
  explicit EntryTextTarget(Gtk::Entry& entry);
  ~EntryTextTarget() override;
  EntryTextTarget(const EntryTextTarget&) = delete;
  EntryTextTarget& operator=(const EntryTextTarget&) = delete;

  /// Sets the whole text from the program; the same text is no change.
  void set_text(const std::string& text);

  std::size_t length() const override;
  std::string read(std::size_t start, std::size_t count) const override;
  std::size_t selection_start() const override;
  std::size_t selection_length() const override;
  void set_selection(std::size_t start, std::size_t length) override;
  void replace_selection(std::string_view text) override;
  void replace_text(const std::string& text) override { set_text(text); }
  bool read_only() const override;
  bool can_undo() const override { return undo_.can_undo(); }
  void undo() override;
  void copy_selection() override;
  void cut_selection() override;
  void paste() override;

 private:
  EntryState state() const;
  // Runs a change of the program's own, which the undo must not record.
  template <typename F>
  void unrecorded(F&& change);

  static void on_insert_text(GtkEditable*, const char*, int length, int* position, gpointer self);
  static void on_delete_text(GtkEditable*, int start, int end, gpointer self);
  static void on_cursor_moved(GObject*, GParamSpec*, gpointer self);

  // Borrowed from the window description.
  Gtk::Entry& entry_;
  EntryUndo undo_;
  bool recording_ = true;
  std::vector<gulong> handler_ids_;
};

}  // namespace tagpad
