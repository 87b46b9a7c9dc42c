// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_file_chooser.h"

#include "form_fixture.h"
#include "support/temp_folder.h"

#include <glibmm/main.h>
#include <gtkmm/filechooserdialog.h>

#include <algorithm>
#include <functional>

namespace tagpad {
namespace {

// Once the dialog is up, lets `act` work it as a user would.
void when_dialog_shows(std::function<void(Gtk::FileChooserDialog&)> act) {
  Glib::signal_timeout().connect(
      [act] {
        for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
          auto* dialog = dynamic_cast<Gtk::FileChooserDialog*>(window);
          if (dialog && dialog->get_visible()) {
            act(*dialog);
            return false;
          }
        }
        return true;
      },
      10);
}

class FileChooserTest : public FormTest {
 protected:
  GtkFileChooser real_chooser;
  TempFolder folder;
};

TEST_F(FileChooserTest, SaveDialogStartsWhereItWasLeftAndTakesANameAsTyped) {
  write_file(folder / "old.html", "x");
  FileDialogSettings start{"/", folder / "old.html", 2};
  struct Seen {
    std::string name, filter;
    bool modal = false, overwrite_prompt = true;
  } seen;
  when_dialog_shows([&](Gtk::FileChooserDialog& dialog) {
    seen = {dialog.get_current_name(), dialog.get_filter()->get_name(), dialog.get_modal(),
            dialog.get_do_overwrite_confirmation()};
    dialog.set_current_name("typed");
    dialog.set_filter(dialog.list_filters()[2]);
    dialog.get_widget_for_response(Gtk::RESPONSE_ACCEPT)->activate();
  });
  auto choice = real_chooser.choose(FileDialogKind::Save, document_filters(), start);
  ASSERT_TRUE(choice);
  // Typed into the folder of the remembered file, with no extension added.
  EXPECT_EQ(choice->path, folder / "typed");
  EXPECT_EQ(choice->filter_index, 3);
  EXPECT_EQ(seen.name, "old.html");
  EXPECT_EQ(seen.filter, "Htm 파일");
  EXPECT_TRUE(seen.modal);
  EXPECT_FALSE(seen.overwrite_prompt);
}

TEST_F(FileChooserTest, CancelledOpenDialogAnswersNothingAndListsItsPlaces) {
  int filters = 0;
  std::vector<std::string> places;
  when_dialog_shows([&](Gtk::FileChooserDialog& dialog) {
    filters = static_cast<int>(dialog.list_filters().size());
    places = dialog.list_shortcut_folders();
    dialog.response(Gtk::RESPONSE_CANCEL);
  });
  const std::string recovered = folder / "복구된 문서";
  std::filesystem::create_directory(recovered);
  EXPECT_FALSE(real_chooser.choose(FileDialogKind::Open, document_filters(),
                                   {folder.path().string(), "", 1, {recovered, folder / "missing"}}));
  EXPECT_EQ(filters, 3);
  EXPECT_EQ(std::count(places.begin(), places.end(), recovered), 1);
  EXPECT_EQ(std::count(places.begin(), places.end(), folder / "missing"), 0);
}

}  // namespace
}  // namespace tagpad
