// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_snapshot.h"
#include "gtk/primary_selection_deferral.h"

#include <gtkmm/textview.h>
#include <gtksourceview/gtksource.h>
#include <sigc++/signal.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tagpad {

/// The source pane over a GtkSourceView: its text as a whole, and one
/// change notification for every real change, whoever makes it.
class SourcePane {
 public:
  explicit SourcePane(Gtk::TextView& view);
  ~SourcePane();
  SourcePane(const SourcePane&) = delete;
  SourcePane& operator=(const SourcePane&) = delete;

  Gtk::TextView& view() { return view_; }
  /// Holds on it put off the view's claims of the PRIMARY selection.
  PrimarySelectionDeferral& primary_selection() { return primary_selection_; }
  std::string text() const;
  /// The text as it stands now, read from the pane until the pane changes.
  std::unique_ptr<TextSnapshot> snapshot() const;
  /// Hands the whole text to `use` for the length of the call, uncopied.
  void lend_text(const std::function<void(std::string_view)>& use) const;
  bool empty() const;
  /// Whether the pane holds exactly `text`; cheap when the lengths differ.
  bool holds(std::string_view text) const;
  /// Replaces the whole text as one undo step that brings back the old text
  /// with its caret and selection; setting the text it already holds is no
  /// change.
  void set_text(const std::string& text);

  /// The control's own count of lines, at least 1.
  int line_count() const;
  bool last_line_empty() const;

  /// While one lives, the pane's edits form a single undo step. Nests.
  class UndoStep {
   public:
    explicit UndoStep(SourcePane& pane);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

   private:
    GtkTextBuffer* buffer_;
  };

  sigc::signal<void()>& signal_change() { return change_; }

  /// From a freeze to its thaw the pane does not redraw; when the last thaw
  /// comes the pane is redrawn whole. Nests.
  void freeze_redraw() { ++redraw_freezes_; }
  void thaw_redraw();

 private:
  void on_buffer_changed();
  void follow_focus();
  void delete_range(int from, int to);

  // Borrowed from the window description.
  Gtk::TextView& view_;
  GtkSourceBuffer* buffer_;
  gulong changed_id_ = 0;
  gulong focus_id_ = 0;
  gulong draw_id_ = 0;
  gulong focus_in_id_ = 0;
  gulong focus_out_id_ = 0;
  gulong realize_id_ = 0;
  gulong unrealize_id_ = 0;
  int redraw_freezes_ = 0;
  PrimarySelectionDeferral primary_selection_{view_};
  // Without the focus the pane leaves the PRIMARY selection alone: a control
  // or program taking it would collapse the pane's selection, which the pane
  // keeps while unfocused.
  std::optional<PrimarySelectionDeferral::Hold> unfocused_;
  // set_text deletes and inserts; the pair is one change to its observers.
  bool setting_text_ = false;
  sigc::signal<void()> change_;
};

}  // namespace tagpad
