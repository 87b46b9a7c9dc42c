// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/printer_settings.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include <clocale>

namespace tagpad {
namespace {

class FakeCatalogue : public PrinterCatalogue {
 public:
  std::optional<PrinterSelection> default_printer() override {
    ++asked;
    return printer;
  }
  std::optional<PrinterSelection> printer;
  int asked = 0;
};

const PrinterSelection Office{"Office", {{"paper-format", "iso_a4"}}, 1};
const PrinterSelection Lab{"Lab", {{"paper-format", "na_letter"}}, 2};

TEST(PrinterSettings, WithoutADefaultPrinterEveryUseFailsAndNothingChanges) {
  FakeCatalogue none;
  PrinterSettings settings(none);
  for (int i = 0; i < 2; ++i) {
    try {
      settings.printer();
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
  }
  EXPECT_EQ(settings.page_setup(), PageSetupValues{});
  EXPECT_EQ(settings.print_dialog(), PrintDialogValues{});
  // A printer installed later is found at the next use.
  none.printer = Office;
  EXPECT_EQ(settings.printer(), Office);
}

TEST(PrinterSettings, DefaultPrinterIsTakenOnceAndAcceptedDialogsReplaceIt) {
  FakeCatalogue catalogue;
  catalogue.printer = Office;
  PrinterSettings settings(catalogue);
  EXPECT_EQ(catalogue.asked, 0);
  EXPECT_EQ(settings.printer(), Office);
  settings.accept_printer_setup(Lab);
  catalogue.printer = Office;
  EXPECT_EQ(settings.printer(), Lab);
  EXPECT_EQ(catalogue.asked, 1);
}

TEST(PrinterSettings, PageSetupKeepsItsMarginsAndPaperForTheRun) {
  FakeCatalogue catalogue;
  catalogue.printer = Office;
  PrinterSettings settings(catalogue);
  EXPECT_EQ(settings.page_setup().margins, (Margins{2500, 2500, 2500, 2500}));
  EXPECT_EQ(settings.page_setup().paper_width, 21000);
  EXPECT_EQ(settings.page_setup().paper_height, 29700);
  const PageSetupValues chosen{{1000, 2000, 3000, 4000}, 21590, 27940};
  settings.accept_page_setup(chosen, Lab);
  EXPECT_EQ(settings.page_setup(), chosen);
  EXPECT_EQ(settings.printer(), Lab);
  PrinterSettings restarted(catalogue);
  EXPECT_EQ(restarted.page_setup(), PageSetupValues{});
}

TEST(PrinterSettings, ASingleCopyInTheDialogLeavesThePrintersCount) {
  FakeCatalogue catalogue;
  catalogue.printer = Office;
  PrinterSettings settings(catalogue);
  EXPECT_EQ(settings.accept_print({.copies = 1}, Lab), 2);
  EXPECT_EQ(settings.print_dialog().copies, 2);
  EXPECT_EQ(settings.printer().copies, 2);
  EXPECT_EQ(settings.accept_print({.collate = true, .copies = 5}, Lab), 5);
  EXPECT_EQ(settings.print_dialog().copies, 5);
  EXPECT_TRUE(settings.print_dialog().collate);
  EXPECT_EQ(settings.printer().copies, 5);
  EXPECT_EQ(settings.printer().printer, "Lab");
}

TEST(PrinterSettings, TheCLocaleMeasuresInMillimetres) {
  const std::string saved = std::setlocale(LC_MEASUREMENT, nullptr);
  ASSERT_TRUE(std::setlocale(LC_MEASUREMENT, "C"));
  EXPECT_EQ(locale_measure_unit(), MeasureUnit::HundredthsOfMillimetre);
  std::setlocale(LC_MEASUREMENT, saved.c_str());
}

}  // namespace
}  // namespace tagpad
