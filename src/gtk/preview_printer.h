// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/printer_settings.h"

#include <gtkmm/widget.h>

namespace tagpad {

/// Prints the page a web view shows through WebKit's print operation.
class PreviewPrinter {
 public:
  /// `web_view` is the preview's WebKitWebView.
  explicit PreviewPrinter(Gtk::Widget& web_view) : web_view_(web_view) {}

  /// Prints on `printer` with its copies and settings and `page_setup`'s
  /// margins; returns once the printing system has the job. Throws
  /// tagpad::Error with the engine's message when printing fails.
  void print(const PrinterSelection& printer, const PageSetupValues& page_setup, MeasureUnit unit);

 private:
  // Borrowed
  Gtk::Widget& web_view_;
};

}  // namespace tagpad
