// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/preview_printer.h"

#include "core/error.h"
#include "gtk/printer_selection_settings.h"

#include <webkit2/webkit2.h>

#include <memory>

namespace tagpad {
namespace {

struct Outcome {
  bool finished = false;
  std::string error;
};

}  // namespace

void PreviewPrinter::print(const PrinterSelection& printer, const PageSetupValues& page_setup, MeasureUnit unit) {
  std::unique_ptr<WebKitPrintOperation, decltype(&g_object_unref)> operation(
      webkit_print_operation_new(WEBKIT_WEB_VIEW(web_view_.gobj())), g_object_unref);
  GtkPrintSettings* settings = to_print_settings(printer);
  gtk_print_settings_set_print_pages(settings, GTK_PRINT_PAGES_ALL);
  webkit_print_operation_set_print_settings(operation.get(), settings);
  g_object_unref(settings);
  GtkPageSetup* setup = to_page_setup(printer, page_setup, unit);
  webkit_print_operation_set_page_setup(operation.get(), setup);
  g_object_unref(setup);

  Outcome outcome;
  const gulong failed = g_signal_connect(
      operation.get(), "failed",
      G_CALLBACK(+[](WebKitPrintOperation*, GError* error, Outcome* out) { out->error = error->message; }), &outcome);
  const gulong finished =
      g_signal_connect(operation.get(), "finished",
                       G_CALLBACK(+[](WebKitPrintOperation*, Outcome* out) { out->finished = true; }), &outcome);
  webkit_print_operation_print(operation.get());
  // The engine reports the end of every print, failed or not.
  while (!outcome.finished) g_main_context_iteration(nullptr, TRUE);
  g_signal_handler_disconnect(operation.get(), failed);
  g_signal_handler_disconnect(operation.get(), finished);
  if (!outcome.error.empty()) throw Error(outcome.error);
}

}  // namespace tagpad
