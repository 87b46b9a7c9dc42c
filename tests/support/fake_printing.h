// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "platform/print_dialogs.h"

#include <utility>
#include <vector>

namespace tagpad {

/// A printer catalogue with one default printer, or none.
class FakePrinterCatalogue : public PrinterCatalogue {
 public:
  std::optional<PrinterSelection> default_printer() override { return printer; }
  std::optional<PrinterSelection> printer;
};

/// Printing dialogs that record what they were started with and answer
/// with what the test put ready; nothing ready means cancel.
class FakePrintDialogs : public PrintDialogs {
 public:
  std::optional<PageSetupChoice> page_setup(const PageSetupValues& values, MeasureUnit,
                                            const PrinterSelection& printer) override {
    page_setup_shown.push_back(values);
    printers_shown.push_back(printer);
    return std::exchange(page_setup_answer, std::nullopt);
  }
  std::optional<PrinterSelection> printer_setup(const PrinterSelection& printer) override {
    printers_shown.push_back(printer);
    return std::exchange(printer_setup_answer, std::nullopt);
  }
  std::optional<PrintChoice> print(const PrintDialogValues& values, const PrinterSelection& printer) override {
    print_shown.push_back(values);
    printers_shown.push_back(printer);
    return std::exchange(print_answer, std::nullopt);
  }

  std::optional<PageSetupChoice> page_setup_answer;
  std::optional<PrinterSelection> printer_setup_answer;
  std::optional<PrintChoice> print_answer;
  std::vector<PageSetupValues> page_setup_shown;
  std::vector<PrintDialogValues> print_shown;
  std::vector<PrinterSelection> printers_shown;
};

}  // namespace tagpad
