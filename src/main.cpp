// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/code_page.h"
#include "gtk/error_display.h"
#include "gtk/gtk_message_boxes.h"
#include "gtk/program_folder.h"
#include "gtk/toolkit_setup.h"
#include "gtk/unit1.h"
#include "gtk/unit2.h"

#include <gtkmm/application.h>

#include <clocale>
#include <cstdio>

int main() {
  std::setlocale(LC_ALL, "");
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fputs("Tagpad needs a graphical display, and none could be opened (is DISPLAY set?).\n", stderr);
    return 1;
  }
  // Each start is a window of its own: no single-instance hand-over.
  auto application = Gtk::Application::create("org.tagpad.Tagpad", Gio::APPLICATION_NON_UNIQUE);
  application->register_application();
  tagpad::prepare_toolkit();

  tagpad::GtkMessageBoxes message_boxes;
  tagpad::ErrorDisplay error_display(message_boxes);
  tagpad::Services services{tagpad::CodePage::platform(), message_boxes, tagpad::program_folder()};

  auto Form1 = tagpad::TForm1::create(services);
  auto Form2 = tagpad::TForm2::create(nullptr);
  return application->run(*Form1);
}
