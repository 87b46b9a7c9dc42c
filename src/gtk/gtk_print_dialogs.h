// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "platform/print_dialogs.h"

namespace tagpad {

/// The printing dialogs over GTK's unix print dialogs; page setup adds the
/// margins that GTK's own page setup dialog does not offer.
class GtkPrintDialogs : public PrintDialogs {
 public:
  std::optional<PageSetupChoice> page_setup(const PageSetupValues& values, MeasureUnit unit,
                                            const PrinterSelection& printer) override;
  std::optional<PrinterSelection> printer_setup(const PrinterSelection& printer) override;
  std::optional<PrintChoice> print(const PrintDialogValues& values, const PrinterSelection& printer) override;
};

}  // namespace tagpad
