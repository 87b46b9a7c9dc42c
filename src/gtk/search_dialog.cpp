// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/search_dialog.h"

#include <gdkmm/display.h>
#include <gdkmm/monitor.h>
#include <gdkmm/rectangle.h>

#include <utility>

namespace tagpad {

SearchDialog::SearchDialog(Gtk::Window& parent, FindDialogState& state, bool replace_mode, Handlers handlers)
    : Gtk::Dialog(replace_mode ? "Replace" : "Find", parent, false),
      parent_(parent),
      state_(state),
      replace_mode_(replace_mode),
      handlers_(std::move(handlers)),
      search_label_("Fi_nd what:", true),
      replacement_label_("Re_place with:", true),
      whole_word_check_("Match _whole word only", true),
      match_case_check_("Match _case", true),
      direction_frame_("Direction"),
      direction_box_(Gtk::ORIENTATION_HORIZONTAL, 6),
      up_radio_("_Up", true),
      down_radio_("_Down", true) {
  set_resizable(false);
  set_border_width(6);

  search_label_.set_mnemonic_widget(search_entry_);
  search_label_.set_xalign(0);
  search_entry_.set_max_length(FindDialogState::MaxTextLength);
  search_entry_.set_text(state_.search_text());
  search_entry_.set_activates_default(true);
  search_entry_.set_hexpand(true);
  search_entry_.signal_changed().connect([this] {
    state_.set_search_text(search_entry_.get_text().raw());
    update_buttons();
  });

  whole_word_check_.set_active(state_.whole_word());
  whole_word_check_.signal_toggled().connect([this] { state_.set_whole_word(whole_word_check_.get_active()); });
  match_case_check_.set_active(state_.match_case());
  match_case_check_.signal_toggled().connect([this] { state_.set_match_case(match_case_check_.get_active()); });

  grid_.set_row_spacing(6);
  grid_.set_column_spacing(12);
  grid_.attach(search_label_, 0, 0);
  grid_.attach(search_entry_, 1, 0, 2);
  if (replace_mode_) {
    replacement_label_.set_mnemonic_widget(replacement_entry_);
    replacement_label_.set_xalign(0);
    replacement_entry_.set_max_length(FindDialogState::MaxTextLength);
    replacement_entry_.set_text(state_.replacement_text());
    replacement_entry_.set_activates_default(true);
    replacement_entry_.signal_changed().connect(
        [this] { state_.set_replacement_text(replacement_entry_.get_text().raw()); });
    grid_.attach(replacement_label_, 0, 1);
    grid_.attach(replacement_entry_, 1, 1, 2);
    grid_.attach(whole_word_check_, 0, 2, 3);
    grid_.attach(match_case_check_, 0, 3, 3);
  } else {
    // The replace dialog always searches down, so only the find dialog
    // offers a direction.
    Gtk::RadioButton::Group group = up_radio_.get_group();
    down_radio_.set_group(group);
    (state_.down() ? down_radio_ : up_radio_).set_active(true);
    down_radio_.signal_toggled().connect([this] { state_.set_down(down_radio_.get_active()); });
    direction_box_.set_border_width(6);
    direction_box_.pack_start(up_radio_, Gtk::PACK_SHRINK);
    direction_box_.pack_start(down_radio_, Gtk::PACK_SHRINK);
    direction_frame_.add(direction_box_);
    grid_.attach(whole_word_check_, 0, 1, 2);
    grid_.attach(match_case_check_, 0, 2, 2);
    grid_.attach(direction_frame_, 2, 1, 1, 2);
  }
  get_content_area()->pack_start(grid_, Gtk::PACK_EXPAND_WIDGET);
  grid_.show_all();

  add_button("_Find Next", FindNextResponse);
  if (replace_mode_) {
    add_button("_Replace", ReplaceResponse);
    add_button("Replace _All", ReplaceAllResponse);
  }
  add_button("_Cancel", Gtk::RESPONSE_CANCEL);
  set_default_response(FindNextResponse);
  update_buttons();
}

void SearchDialog::show_dialog() {
  if (get_visible()) {
    present();
    return;
  }
  const Point position = state_.position() ? *state_.position() : first_position();
  move(position.x, position.y);
  show();
  present();
}

void SearchDialog::close_dialog() {
  if (!get_visible()) return;
  int x = 0;
  int y = 0;
  get_position(x, y);
  state_.set_position({x, y});
  hide();
}

void SearchDialog::on_response(int response_id) {
  switch (response_id) {
    case FindNextResponse:
      if (handlers_.find_next) handlers_.find_next();
      break;
    case ReplaceResponse:
      if (handlers_.replace) handlers_.replace();
      break;
    case ReplaceAllResponse:
      if (handlers_.replace_all) handlers_.replace_all();
      break;
    default:
      // Cancel, Escape and the close box all close the dialog.
      close_dialog();
      break;
  }
}

bool SearchDialog::on_delete_event(GdkEventAny*) {
  // The dialog is kept for the next opening, so it is hidden, not destroyed.
  close_dialog();
  return true;
}

Point SearchDialog::first_position() {
  auto display = Gdk::Display::get_default();
  Glib::RefPtr<Gdk::Monitor> monitor;
  if (auto window = parent_.get_window()) monitor = display->get_monitor_at_window(window);
  if (!monitor) monitor = display->get_primary_monitor();
  if (!monitor) monitor = display->get_monitor(0);
  Gdk::Rectangle area;
  if (monitor) monitor->get_workarea(area);

  Gtk::Requisition minimum;
  Gtk::Requisition natural;
  get_preferred_size(minimum, natural);
  return first_dialog_position({area.get_x(), area.get_y(), area.get_width(), area.get_height()}, natural.width,
                               natural.height);
}

void SearchDialog::update_buttons() {
  const bool has_text = state_.can_request();
  set_response_sensitive(FindNextResponse, has_text);
  if (replace_mode_) {
    set_response_sensitive(ReplaceResponse, has_text);
    set_response_sensitive(ReplaceAllResponse, has_text);
  }
}

}  // namespace tagpad
