// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_printer_catalogue.h"

#include "gtk/printer_selection_settings.h"

#include <gtk/gtkunixprint.h>

namespace tagpad {

std::optional<PrinterSelection> GtkPrinterCatalogue::default_printer() {
  std::optional<PrinterSelection> found;
  // Waits until every backend has listed its printers.
  gtk_enumerate_printers(
      +[](GtkPrinter* printer, gpointer data) -> gboolean {
        if (!gtk_printer_is_default(printer)) return FALSE;
        auto& found = *static_cast<std::optional<PrinterSelection>*>(data);
        found = PrinterSelection{gtk_printer_get_name(printer), {}, 1};
        if (GtkPageSetup* setup = gtk_printer_get_default_page_size(printer)) {
          store_page_setup(*found, setup);
          g_object_unref(setup);
        }
        return TRUE;
      },
      &found, nullptr, TRUE);
  return found;
}

}  // namespace tagpad
