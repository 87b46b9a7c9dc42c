// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/printer_settings.h"

namespace tagpad {

/// The printers GTK's print backends know.
class GtkPrinterCatalogue : public PrinterCatalogue {
 public:
  std::optional<PrinterSelection> default_printer() override;
};

}  // namespace tagpad
