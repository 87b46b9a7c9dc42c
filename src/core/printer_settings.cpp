// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/printer_settings.h"

#include "core/error.h"

#include <langinfo.h>

namespace tagpad {

MeasureUnit locale_measure_unit() {
  // glibc: 1 is metric, 2 is imperial.
  return nl_langinfo(_NL_MEASUREMENT_MEASUREMENT)[0] == 2 ? MeasureUnit::ThousandthsOfInch
                                                          : MeasureUnit::HundredthsOfMillimetre;
}

const PrinterSelection& PrinterSettings::printer() {
  if (!printer_) printer_ = catalogue_.default_printer();
  if (!printer_) throw Error("There is no default printer currently selected");
  return *printer_;
}

void PrinterSettings::accept_page_setup(const PageSetupValues& values, PrinterSelection chosen) {
  page_setup_ = values;
  printer_ = std::move(chosen);
}

void PrinterSettings::accept_printer_setup(PrinterSelection chosen) { printer_ = std::move(chosen); }

int PrinterSettings::accept_print(const PrintDialogValues& values, PrinterSelection chosen) {
  print_dialog_ = values;
  print_dialog_.copies = values.copies == 1 ? chosen.copies : values.copies;
  chosen.copies = print_dialog_.copies;
  printer_ = std::move(chosen);
  return print_dialog_.copies;
}

}  // namespace tagpad
