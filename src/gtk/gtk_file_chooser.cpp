// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_file_chooser.h"

#include "gtk/dialog_position.h"

#include <glibmm/convert.h>
#include <glibmm/fileutils.h>
#include <glibmm/miscutils.h>
#include <gtkmm/filechooserdialog.h>

namespace tagpad {

std::optional<FileChoice> GtkFileChooser::choose(FileDialogKind kind, const std::vector<FileFilter>& filters,
                                                 const FileDialogSettings& start) {
  const bool open = kind == FileDialogKind::Open;
  Gtk::FileChooserDialog dialog(open ? "Open" : "Save As",
                                open ? Gtk::FILE_CHOOSER_ACTION_OPEN : Gtk::FILE_CHOOSER_ACTION_SAVE);
  dialog.add_button("_Cancel", Gtk::RESPONSE_CANCEL);
  dialog.add_button(open ? "_Open" : "_Save", Gtk::RESPONSE_ACCEPT);
  dialog.set_default_response(Gtk::RESPONSE_ACCEPT);
  dialog.set_resizable(true);
  dialog.set_do_overwrite_confirmation(false);
  dialog.set_local_only(true);
  std::vector<Glib::RefPtr<Gtk::FileFilter>> shown;
  for (const FileFilter& filter : filters) {
    auto entry = Gtk::FileFilter::create();
    entry->set_name(filter.name);
    entry->add_pattern(filter.pattern);
    dialog.add_filter(entry);
    shown.push_back(entry);
  }
  if (start.filter_index >= 1 && start.filter_index <= static_cast<int>(shown.size()))
    dialog.set_filter(shown[start.filter_index - 1]);
  if (!start.file_name.empty()) {
    dialog.set_current_folder(Glib::path_get_dirname(start.file_name));
    if (open)
      dialog.set_filename(start.file_name);
    else
      dialog.set_current_name(Glib::filename_display_basename(start.file_name));
  } else if (!start.initial_dir.empty()) {
    dialog.set_current_folder(start.initial_dir);
  }
  for (const std::string& place : start.places)
    if (Glib::file_test(place, Glib::FILE_TEST_IS_DIR)) dialog.add_shortcut_folder(place);
  place_modal_dialog(dialog);
  if (dialog.run() != Gtk::RESPONSE_ACCEPT) return std::nullopt;
  const std::string path = dialog.get_filename();
  if (path.empty()) return std::nullopt;
  FileChoice choice{path, 1};
  for (std::size_t i = 0; i < shown.size(); ++i)
    if (shown[i] == dialog.get_filter()) choice.filter_index = static_cast<int>(i) + 1;
  return choice;
}

}  // namespace tagpad
