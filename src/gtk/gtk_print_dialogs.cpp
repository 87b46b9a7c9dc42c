// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_print_dialogs.h"

#include "gtk/dialog_position.h"
#include "gtk/printer_selection_settings.h"

#include <gtk/gtkunixprint.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>
#include <gtkmm/spinbutton.h>

#include <array>
#include <cmath>

namespace tagpad {
namespace {

// GTK's own name for the printer a page setup was made for.
constexpr const char* FormatForPrinter = "format-for-printer";

// Runs a GTK dialog modally where the program's dialogs appear; true when
// it was accepted. The dialog is destroyed by the caller.
bool run_accepted(GtkWidget* dialog, int accept) {
  Gtk::Window* window = Glib::wrap(GTK_WINDOW(dialog));
  place_modal_dialog(*window);
  return gtk_dialog_run(GTK_DIALOG(dialog)) == accept;
}

struct WidgetDestroyer {
  void operator()(GtkWidget* widget) const { gtk_widget_destroy(widget); }
};
using Dialog = std::unique_ptr<GtkWidget, WidgetDestroyer>;

template <typename T>
struct Unref {
  void operator()(T* object) const { g_object_unref(object); }
};
template <typename T>
using Ref = std::unique_ptr<T, Unref<T>>;

// The printer a page setup dialog was left on, or `fallback`.
std::string chosen_format_printer(GtkPrintSettings* settings, const std::string& fallback) {
  const char* name = settings ? gtk_print_settings_get(settings, FormatForPrinter) : nullptr;
  return name && *name ? name : fallback;
}

GtkWidget* page_setup_dialog(const PrinterSelection& printer, const PageSetupValues& values, MeasureUnit unit) {
  GtkWidget* dialog = gtk_page_setup_unix_dialog_new(nullptr, nullptr);
  Ref<GtkPrintSettings> settings(to_print_settings(printer));
  gtk_print_settings_set(settings.get(), FormatForPrinter, printer.printer.c_str());
  gtk_page_setup_unix_dialog_set_print_settings(GTK_PAGE_SETUP_UNIX_DIALOG(dialog), settings.get());
  Ref<GtkPageSetup> setup(to_page_setup(printer, values, unit));
  gtk_page_setup_unix_dialog_set_page_setup(GTK_PAGE_SETUP_UNIX_DIALOG(dialog), setup.get());
  return dialog;
}

// Margin fields added below GTK's page setup, in the locale's unit.
class MarginFields {
 public:
  MarginFields(GtkWidget* dialog, const Margins& margins, MeasureUnit unit) {
    const bool metric = unit == MeasureUnit::HundredthsOfMillimetre;
    factor_ = metric ? 100.0 : 1000.0;
    auto* grid = Gtk::make_managed<Gtk::Grid>();
    grid->set_row_spacing(6);
    grid->set_column_spacing(12);
    grid->set_border_width(6);
    grid->attach(*Gtk::make_managed<Gtk::Label>(metric ? "Margins (mm)" : "Margins (inches)", Gtk::ALIGN_START), 0, 0,
                 4, 1);
    const std::array<int, 4> initial{margins.left, margins.top, margins.right, margins.bottom};
    const char* names[] = {"_Left", "_Top", "_Right", "_Bottom"};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      fields_[i] = Gtk::make_managed<Gtk::SpinButton>(1.0, metric ? 2 : 3);
      fields_[i]->set_range(0, metric ? 500 : 20);
      fields_[i]->set_increments(metric ? 1 : 0.1, metric ? 10 : 1);
      fields_[i]->set_value(initial[i] / factor_);
      auto* label = Gtk::make_managed<Gtk::Label>(names[i], Gtk::ALIGN_START, Gtk::ALIGN_CENTER, true);
      label->set_mnemonic_widget(*fields_[i]);
      grid->attach(*label, static_cast<int>(i % 2) * 2, 1 + static_cast<int>(i / 2));
      grid->attach(*fields_[i], static_cast<int>(i % 2) * 2 + 1, 1 + static_cast<int>(i / 2));
    }
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), GTK_WIDGET(grid->gobj()), FALSE, FALSE,
                       0);
    grid->show_all();
  }

  Margins margins() const {
    std::array<int, 4> v{};
    for (std::size_t i = 0; i < fields_.size(); ++i)
      v[i] = static_cast<int>(std::lround(fields_[i]->get_value() * factor_));
    return {v[0], v[1], v[2], v[3]};
  }

 private:
  std::array<Gtk::SpinButton*, 4> fields_{};
  double factor_ = 100.0;
};

}  // namespace

std::optional<PageSetupChoice> GtkPrintDialogs::page_setup(const PageSetupValues& values, MeasureUnit unit,
                                                           const PrinterSelection& printer) {
  Dialog dialog(page_setup_dialog(printer, values, unit));
  MarginFields margins(dialog.get(), values.margins, unit);
  if (!run_accepted(dialog.get(), GTK_RESPONSE_OK)) return std::nullopt;
  GtkPageSetupUnixDialog* setup_dialog = GTK_PAGE_SETUP_UNIX_DIALOG(dialog.get());
  GtkPageSetup* setup = gtk_page_setup_unix_dialog_get_page_setup(setup_dialog);
  PageSetupChoice choice{values, printer};
  choice.values.margins = margins.margins();
  paper_size_in(setup, unit, choice.values.paper_width, choice.values.paper_height);
  choice.printer.printer =
      chosen_format_printer(gtk_page_setup_unix_dialog_get_print_settings(setup_dialog), printer.printer);
  store_page_setup(choice.printer, setup);
  return choice;
}

std::optional<PrinterSelection> GtkPrintDialogs::printer_setup(const PrinterSelection& printer) {
  Dialog dialog(page_setup_dialog(printer, PageSetupValues{}, MeasureUnit::HundredthsOfMillimetre));
  if (!run_accepted(dialog.get(), GTK_RESPONSE_OK)) return std::nullopt;
  GtkPageSetupUnixDialog* setup_dialog = GTK_PAGE_SETUP_UNIX_DIALOG(dialog.get());
  PrinterSelection chosen = printer;
  chosen.printer = chosen_format_printer(gtk_page_setup_unix_dialog_get_print_settings(setup_dialog), printer.printer);
  store_page_setup(chosen, gtk_page_setup_unix_dialog_get_page_setup(setup_dialog));
  return chosen;
}

std::optional<PrintChoice> GtkPrintDialogs::print(const PrintDialogValues& values, const PrinterSelection& printer) {
  Dialog dialog(gtk_print_unix_dialog_new(nullptr, nullptr));
  GtkPrintUnixDialog* print_dialog = GTK_PRINT_UNIX_DIALOG(dialog.get());
  Ref<GtkPrintSettings> settings(to_print_settings(printer));
  gtk_print_settings_set_print_pages(settings.get(), GTK_PRINT_PAGES_ALL);
  gtk_print_settings_set_collate(settings.get(), values.collate);
  gtk_print_unix_dialog_set_settings(print_dialog, settings.get());
  gtk_print_unix_dialog_set_support_selection(print_dialog, FALSE);
  gtk_print_unix_dialog_set_has_selection(print_dialog, FALSE);
  gtk_print_unix_dialog_set_embed_page_setup(print_dialog, FALSE);
  gtk_print_unix_dialog_set_manual_capabilities(
      print_dialog, GtkPrintCapabilities(GTK_PRINT_CAPABILITY_COPIES | GTK_PRINT_CAPABILITY_COLLATE |
                                         GTK_PRINT_CAPABILITY_GENERATE_PDF));
  if (!run_accepted(dialog.get(), GTK_RESPONSE_OK)) return std::nullopt;
  Ref<GtkPrintSettings> chosen(gtk_print_unix_dialog_get_settings(print_dialog));
  // Only whole documents are printed, whatever the dialog's range.
  gtk_print_settings_set_print_pages(chosen.get(), GTK_PRINT_PAGES_ALL);
  PrintChoice choice{values, to_printer_selection(chosen.get())};
  if (GtkPrinter* selected = gtk_print_unix_dialog_get_selected_printer(print_dialog))
    choice.printer.printer = gtk_printer_get_name(selected);
  choice.values.collate = gtk_print_settings_get_collate(chosen.get());
  choice.values.copies = choice.printer.copies;
  return choice;
}

}  // namespace tagpad
