// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/printer_selection_settings.h"

#include <algorithm>
#include <cmath>

namespace tagpad {

GtkUnit gtk_unit_of(MeasureUnit unit, double& factor) {
  factor = unit == MeasureUnit::HundredthsOfMillimetre ? 100.0 : 1000.0;
  return unit == MeasureUnit::HundredthsOfMillimetre ? GTK_UNIT_MM : GTK_UNIT_INCH;
}

GtkPrintSettings* to_print_settings(const PrinterSelection& printer) {
  GtkPrintSettings* settings = gtk_print_settings_new();
  for (const auto& [key, value] : printer.device) gtk_print_settings_set(settings, key.c_str(), value.c_str());
  if (!printer.printer.empty()) gtk_print_settings_set_printer(settings, printer.printer.c_str());
  gtk_print_settings_set_n_copies(settings, printer.copies);
  return settings;
}

PrinterSelection to_printer_selection(GtkPrintSettings* settings) {
  PrinterSelection printer;
  gtk_print_settings_foreach(
      settings,
      +[](const gchar* key, const gchar* value, gpointer data) {
        static_cast<PrinterSelection*>(data)->device[key] = value;
      },
      &printer);
  printer.device.erase(GTK_PRINT_SETTINGS_PRINTER);
  printer.device.erase(GTK_PRINT_SETTINGS_N_COPIES);
  if (const char* name = gtk_print_settings_get_printer(settings)) printer.printer = name;
  printer.copies = std::max(1, gtk_print_settings_get_n_copies(settings));
  return printer;
}

GtkPageSetup* to_page_setup(const PrinterSelection& printer, const PageSetupValues& values, MeasureUnit unit) {
  GtkPrintSettings* settings = to_print_settings(printer);
  GtkPageSetup* setup = gtk_page_setup_new();
  if (GtkPaperSize* paper = gtk_print_settings_get_paper_size(settings)) {
    gtk_page_setup_set_paper_size(setup, paper);
    gtk_paper_size_free(paper);
  }
  gtk_page_setup_set_orientation(setup, gtk_print_settings_get_orientation(settings));
  g_object_unref(settings);
  double factor = 1;
  const GtkUnit gtk_unit = gtk_unit_of(unit, factor);
  gtk_page_setup_set_left_margin(setup, values.margins.left / factor, gtk_unit);
  gtk_page_setup_set_top_margin(setup, values.margins.top / factor, gtk_unit);
  gtk_page_setup_set_right_margin(setup, values.margins.right / factor, gtk_unit);
  gtk_page_setup_set_bottom_margin(setup, values.margins.bottom / factor, gtk_unit);
  return setup;
}

void store_page_setup(PrinterSelection& printer, GtkPageSetup* setup) {
  GtkPrintSettings* settings = to_print_settings(printer);
  gtk_print_settings_set_paper_size(settings, gtk_page_setup_get_paper_size(setup));
  gtk_print_settings_set_orientation(settings, gtk_page_setup_get_orientation(setup));
  printer = to_printer_selection(settings);
  g_object_unref(settings);
}

void paper_size_in(GtkPageSetup* setup, MeasureUnit unit, int& width, int& height) {
  double factor = 1;
  const GtkUnit gtk_unit = gtk_unit_of(unit, factor);
  width = static_cast<int>(std::lround(gtk_page_setup_get_paper_width(setup, gtk_unit) * factor));
  height = static_cast<int>(std::lround(gtk_page_setup_get_paper_height(setup, gtk_unit) * factor));
}

}  // namespace tagpad
