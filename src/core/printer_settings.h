// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <map>
#include <optional>
#include <string>

namespace tagpad {

/// A printer and its device settings (paper, orientation, copies …) in the
/// platform's own terms, which only the platform's dialogs read.
struct PrinterSelection {
  std::string printer;
  std::map<std::string, std::string> device;
  int copies = 1;
  friend bool operator==(const PrinterSelection&, const PrinterSelection&) = default;
};

/// The platform's list of printers.
class PrinterCatalogue {
 public:
  virtual ~PrinterCatalogue() = default;
  /// The default printer with its default settings, or nothing.
  virtual std::optional<PrinterSelection> default_printer() = 0;
};

/// The unit of page measurements: the locale's measurement system decides.
enum class MeasureUnit { HundredthsOfMillimetre, ThousandthsOfInch };

/// The unit of the C library's LC_MEASUREMENT.
MeasureUnit locale_measure_unit();

struct Margins {
  int left = 2500;
  int top = 2500;
  int right = 2500;
  int bottom = 2500;
  friend bool operator==(const Margins&, const Margins&) = default;
};

/// What the page setup dialog keeps for the run: margins and paper size in
/// the locale's unit.
struct PageSetupValues {
  Margins margins;
  int paper_width = 21000;
  int paper_height = 29700;
  friend bool operator==(const PageSetupValues&, const PageSetupValues&) = default;
};

/// What the print dialog keeps for the run. Only all pages can be printed.
struct PrintDialogValues {
  bool collate = false;
  bool print_to_file = false;
  int copies = 1;
  int from_page = 0;
  int to_page = 0;
  friend bool operator==(const PrintDialogValues&, const PrintDialogValues&) = default;
};

/// The application's printer settings and the two printing dialogs' own
/// settings: filled from the default printer at first use, replaced by each
/// accepted dialog, untouched by a cancelled one.
class PrinterSettings {
 public:
  explicit PrinterSettings(PrinterCatalogue& catalogue) : catalogue_(catalogue) {}

  /// The current printer selection; selects the default printer first if
  /// none is selected yet. Throws tagpad::Error "There is no default printer
  /// currently selected" when there is none.
  const PrinterSelection& printer();

  const PageSetupValues& page_setup() const { return page_setup_; }
  const PrintDialogValues& print_dialog() const { return print_dialog_; }

  /// The page setup dialog was accepted with these values and printer.
  void accept_page_setup(const PageSetupValues& values, PrinterSelection chosen);
  /// The printer setup dialog was accepted with this printer.
  void accept_printer_setup(PrinterSelection chosen);
  /// The print dialog was accepted: `values.copies` is the dialog's count,
  /// which a single copy leaves to the chosen printer's settings. Returns
  /// the copies to print.
  int accept_print(const PrintDialogValues& values, PrinterSelection chosen);

 private:
  PrinterCatalogue& catalogue_;
  std::optional<PrinterSelection> printer_;
  PageSetupValues page_setup_;
  PrintDialogValues print_dialog_;
};

}  // namespace tagpad
