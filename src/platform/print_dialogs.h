// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/printer_settings.h"

#include <optional>

namespace tagpad {

/// What an accepted page setup dialog chose.
struct PageSetupChoice {
  PageSetupValues values;
  PrinterSelection printer;
};

/// What an accepted print dialog chose; `values.copies` is the dialog's count.
struct PrintChoice {
  PrintDialogValues values;
  PrinterSelection printer;
};

/// The platform's modal printing dialogs. Each returns nothing when the
/// user cancels or the dialog cannot be shown.
class PrintDialogs {
 public:
  virtual ~PrintDialogs() = default;
  /// Paper, orientation, printer and editable margins in `unit`.
  virtual std::optional<PageSetupChoice> page_setup(const PageSetupValues& values, MeasureUnit unit,
                                                    const PrinterSelection& printer) = 0;
  /// Printer, paper and orientation.
  virtual std::optional<PrinterSelection> printer_setup(const PrinterSelection& printer) = 0;
  /// Printer, copies and collation; all pages, no range or selection.
  virtual std::optional<PrintChoice> print(const PrintDialogValues& values, const PrinterSelection& printer) = 0;
};

}  // namespace tagpad
