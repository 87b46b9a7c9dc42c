// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_print_dialogs.h"

#include "form_fixture.h"
#include "support/dialog_widgets.h"

#include <glibmm/main.h>
#include <gtk/gtkunixprint.h>
#include <gtkmm/spinbutton.h>

#include <functional>

namespace tagpad {
namespace {

// Once a dialog of GTK type `type` is up and `ready` holds for it, lets
// `act` work it as a user would.
void when_dialog_ready(GType type, std::function<bool(GtkWidget*)> ready, std::function<void(Gtk::Dialog&)> act) {
  Glib::signal_timeout().connect(
      [=] {
        for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
          GtkWidget* widget = GTK_WIDGET(window->gobj());
          if (G_TYPE_CHECK_INSTANCE_TYPE(widget, type) && window->get_visible() && ready(widget)) {
            act(dynamic_cast<Gtk::Dialog&>(*window));
            return false;
          }
        }
        return true;
      },
      10);
}

using GtkPrintDialogsTest = FormTest;

TEST_F(GtkPrintDialogsTest, PageSetupOffersTheMarginsInTheUnitAndReturnsThePaperChosen) {
  GtkPrintDialogs dialogs;
  const PrinterSelection printer{"", {{"paper-format", "iso_a4"}}, 1};
  double shown_left = 0;
  when_dialog_ready(
      GTK_TYPE_PAGE_SETUP_UNIX_DIALOG, [](GtkWidget*) { return true; },
      [&](Gtk::Dialog& dialog) {
        auto* left = labelled<Gtk::SpinButton>(dialog, "_Left");
        shown_left = left->get_value();
        left->set_value(10);
        dialog.response(Gtk::RESPONSE_OK);
      });
  auto chosen = dialogs.page_setup(PageSetupValues{}, MeasureUnit::HundredthsOfMillimetre, printer);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(shown_left, 25);
  EXPECT_EQ(chosen->values.margins, (Margins{1000, 2500, 2500, 2500}));
  EXPECT_EQ(chosen->values.paper_width, 21000);
  EXPECT_EQ(chosen->values.paper_height, 29700);

  when_dialog_ready(
      GTK_TYPE_PAGE_SETUP_UNIX_DIALOG, [](GtkWidget*) { return true; },
      [&](Gtk::Dialog& dialog) {
        shown_left = labelled<Gtk::SpinButton>(dialog, "_Left")->get_value();
        dialog.response(Gtk::RESPONSE_CANCEL);
      });
  EXPECT_FALSE(dialogs.page_setup(chosen->values, MeasureUnit::ThousandthsOfInch, chosen->printer));
  EXPECT_EQ(shown_left, 1.0);
}

TEST_F(GtkPrintDialogsTest, PrintDialogReturnsThePrinterAndCopiesChosen) {
  GtkPrintDialogs dialogs;
  const PrinterSelection to_file{"Print to File", {{"output-file-format", "pdf"}}, 2};
  when_dialog_ready(
      GTK_TYPE_PRINT_UNIX_DIALOG,
      [](GtkWidget* dialog) { return gtk_print_unix_dialog_get_selected_printer(GTK_PRINT_UNIX_DIALOG(dialog)); },
      [](Gtk::Dialog& dialog) { dialog.response(Gtk::RESPONSE_OK); });
  auto chosen = dialogs.print(PrintDialogValues{}, to_file);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->printer.printer, "Print to File");
  EXPECT_EQ(chosen->printer.copies, 2);
  EXPECT_EQ(chosen->values.copies, 2);
  EXPECT_FALSE(chosen->values.collate);
}

}  // namespace
}  // namespace tagpad
