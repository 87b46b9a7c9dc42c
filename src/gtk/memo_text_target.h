// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_target.h"
#include "gtk/source_pane.h"

#include <gtkmm/textview.h>
#include <gtksourceview/gtksource.h>

namespace tagpad {

/// The source pane as a text target: positions count the buffer's
/// characters, a line break being one "\n".
class MemoTextTarget : public TextTarget {
 public:
  explicit MemoTextTarget(SourcePane& pane);

  std::size_t length() const override;
  std::string read(std::size_t start, std::size_t count) const override;
  std::size_t selection_start() const override;
  std::size_t selection_length() const override;
  void set_selection(std::size_t start, std::size_t length) override;
  void replace_selection(std::string_view text) override;
  void replace_text(const std::string& text) override;
  bool read_only() const override;
  bool can_undo() const override;
  void undo() override;
  void copy_selection() override;
  void cut_selection() override;
  void paste() override;

 private:
  GtkTextIter iter_at(std::size_t offset) const;
  std::pair<std::size_t, std::size_t> selection() const;

  // Borrowed
  SourcePane& pane_;
  Gtk::TextView& view_;
  GtkTextBuffer* buffer_;
};

}  // namespace tagpad
