// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/printer_settings.h"

#include <gtk/gtk.h>

namespace tagpad {

/// A printer selection as GTK's print settings (a new reference).
GtkPrintSettings* to_print_settings(const PrinterSelection& printer);

/// GTK's print settings as a printer selection.
PrinterSelection to_printer_selection(GtkPrintSettings* settings);

/// The paper and orientation of `printer`, with `values`' margins in `unit`
/// (a new reference).
GtkPageSetup* to_page_setup(const PrinterSelection& printer, const PageSetupValues& values, MeasureUnit unit);

/// Stores the paper and orientation of `setup` into `printer`.
void store_page_setup(PrinterSelection& printer, GtkPageSetup* setup);

/// The paper size of `setup` in `unit`, as whole numbers.
void paper_size_in(GtkPageSetup* setup, MeasureUnit unit, int& width, int& height);

/// GTK's unit and the factor from it to `unit`.
GtkUnit gtk_unit_of(MeasureUnit unit, double& factor);

}  // namespace tagpad
