// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/find_dialog_state.h"

#include <gtkmm/box.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/dialog.h>
#include <gtkmm/entry.h>
#include <gtkmm/frame.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>
#include <gtkmm/radiobutton.h>
#include <gtkmm/window.h>

#include <functional>

namespace tagpad {

/// The modeless find dialog, or the replace dialog in replace mode. It only
/// edits its FindDialogState and reports button presses; the window runs
/// the requests on its target, reading the texts and options from the state.
class SearchDialog : public Gtk::Dialog {
 public:
  /// What the buttons ask of the window; `replace` and `replace_all` are
  /// used only in replace mode.
  struct Handlers {
    std::function<void()> find_next;
    std::function<void()> replace;
    std::function<void()> replace_all;
  };

  /// Response ids of the request buttons; Cancel uses Gtk::RESPONSE_CANCEL.
  static constexpr int FindNextResponse = 1;
  static constexpr int ReplaceResponse = 2;
  static constexpr int ReplaceAllResponse = 3;

  /// Created hidden, its widgets showing what `state` holds. `parent` and
  /// `state` must outlive the dialog.
  SearchDialog(Gtk::Window& parent, FindDialogState& state, bool replace_mode, Handlers handlers);

  /// Brings the dialog to the front if it is shown; otherwise shows it at
  /// the stored position, or first placed on the parent's monitor.
  void show_dialog();

  /// Hides the dialog and stores its top-left corner in the state.
  void close_dialog();

 protected:
  void on_response(int response_id) override;
  bool on_delete_event(GdkEventAny* event) override;

 private:
  Point first_position();
  void update_buttons();

  Gtk::Window& parent_;
  FindDialogState& state_;
  bool replace_mode_;
  Handlers handlers_;

  Gtk::Grid grid_;
  Gtk::Label search_label_;
  Gtk::Entry search_entry_;
  Gtk::Label replacement_label_;
  Gtk::Entry replacement_entry_;
  Gtk::CheckButton whole_word_check_;
  Gtk::CheckButton match_case_check_;
  Gtk::Frame direction_frame_;
  Gtk::Box direction_box_;
  Gtk::RadioButton up_radio_;
  Gtk::RadioButton down_radio_;
};

}  // namespace tagpad
