// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/code_page.h"
#include "core/posix_file_system.h"
#include "core/recovery_copies.h"
#include "gtk/error_display.h"
#include "gtk/gtk_file_chooser.h"
#include "gtk/gtk_message_boxes.h"
#include "gtk/gtk_print_dialogs.h"
#include "gtk/gtk_printer_catalogue.h"
#include "gtk/program_folder.h"
#include "gtk/toolkit_setup.h"
#include "gtk/unit1.h"
#include "gtk/unit2.h"

#include <glib-unix.h>
#include <gtkmm/application.h>

#include <clocale>
#include <csignal>
#include <cstdio>

int main() {
  std::setlocale(LC_ALL, "");
  // A save that reaches the file size limit then fails as a write error and
  // cleans up, instead of the program being killed halfway.
  std::signal(SIGXFSZ, SIG_IGN);
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fputs("Tagpad needs a graphical display, and none could be opened (is DISPLAY set?).\n", stderr);
    return 1;
  }
  // Each start is a window of its own: no single-instance hand-over.
  auto application = Gtk::Application::create("org.tagpad.Tagpad", Gio::APPLICATION_NON_UNIQUE);
  // The session manager then says when the session ends.
  application->property_register_session() = true;
  application->register_application();
  tagpad::prepare_toolkit();

  tagpad::GtkMessageBoxes message_boxes;
  tagpad::ErrorDisplay error_display(message_boxes);
  tagpad::GtkFileChooser file_chooser;
  tagpad::PosixFileSystem file_system;
  tagpad::GtkPrinterCatalogue printers;
  tagpad::GtkPrintDialogs print_dialogs;
  tagpad::Services services{tagpad::CodePage::platform(),
                            message_boxes,
                            tagpad::program_folder(),
                            file_chooser,
                            file_system,
                            printers,
                            print_dialogs,
                            tagpad::recovery_folder()};

  auto Form1 = tagpad::TForm1::create(services);
  // Start-up makes one About box that nothing shows, as the design's start-up
  // does; 정보 makes a box of its own each time.
  auto Form2 = tagpad::TForm2::create(nullptr);
  // Ending the program by a signal closes the window as the close box does,
  // which writes the text that no recovery copy holds yet.
  for (int signal : {SIGTERM, SIGHUP, SIGINT})
    g_unix_signal_add(
        signal,
        +[](gpointer form) {
          static_cast<tagpad::TForm1*>(form)->close();
          return gboolean(G_SOURCE_CONTINUE);
        },
        Form1.get());
  g_signal_connect_swapped(application->gobj(), "query-end",
                           G_CALLBACK(+[](tagpad::TForm1* form) { form->keep_unsaved_text(); }), Form1.get());
  return application->run(*Form1);
}
