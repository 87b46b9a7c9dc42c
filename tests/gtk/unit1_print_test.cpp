// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "support/find_named.h"
#include "support/key_press.h"
#include "support/temp_folder.h"

#include <glib.h>

#include <filesystem>

namespace tagpad {
namespace {

const PrinterSelection Office{"Office", {{"paper-format", "iso_a4"}}, 1};
const PrinterSelection Lab{"Lab", {{"paper-format", "na_letter"}}, 3};

class PrintTest : public FormTest {
 protected:
  void activate(const char* menu_item) { find_named<Gtk::MenuItem>(*form, menu_item)->activate(); }

  // GTK's print-to-file printer, writing a PDF into the test's folder.
  PrinterSelection pdf_printer(const std::string& name, int copies = 1) {
    std::unique_ptr<char, decltype(&g_free)> uri(g_filename_to_uri((folder / name).c_str(), nullptr, nullptr), g_free);
    return {"Print to File", {{"output-uri", uri.get()}, {"output-file-format", "pdf"}}, copies};
  }

  // The text poppler finds in a PDF file.
  static std::string pdf_text(const std::string& path) {
    gchar* out = nullptr;
    gint status = -1;
    const gchar* argv[] = {"pdftotext", path.c_str(), "-", nullptr};
    if (!g_spawn_sync(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out, nullptr,
                      &status, nullptr))
      return "(pdftotext did not run)";
    std::string text = out ? out : "";
    g_free(out);
    return text;
  }

  TempFolder folder;
};

TEST_F(PrintTest, WithoutADefaultPrinterEachCommandFailsAndShowsNoDialog) {
  for (const char* item : {"N16", "N17", "N23"}) activate(item);
  EXPECT_EQ(boxes.errors, std::vector<std::string>(3, "There is no default printer currently selected."));
  EXPECT_TRUE(print_dialogs.printers_shown.empty());
}

TEST_F(PrintTest, PageSetupRemembersItsMarginsAndACancelChangesNothing) {
  printers.printer = Office;
  activate("N16");
  ASSERT_EQ(print_dialogs.page_setup_shown.size(), 1u);
  EXPECT_EQ(print_dialogs.page_setup_shown[0], PageSetupValues{});
  EXPECT_EQ(print_dialogs.printers_shown[0], Office);
  const PageSetupValues chosen{{1000, 1100, 1200, 1300}, 21590, 27940};
  print_dialogs.page_setup_answer = PageSetupChoice{chosen, Lab};
  activate("N16");
  activate("N16");  // cancelled
  activate("N16");
  ASSERT_EQ(print_dialogs.page_setup_shown.size(), 4u);
  EXPECT_EQ(print_dialogs.page_setup_shown[2], chosen);
  EXPECT_EQ(print_dialogs.page_setup_shown[3], chosen);
  EXPECT_EQ(print_dialogs.printers_shown[3], Lab);
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(PrintTest, PrinterChosenInPrinterSetupIsWhereTheOtherDialogsStart) {
  printers.printer = Office;
  print_dialogs.printer_setup_answer = Lab;
  activate("N17");
  activate("N23");
  activate("N16");
  ASSERT_EQ(print_dialogs.printers_shown.size(), 3u);
  EXPECT_EQ(print_dialogs.printers_shown[0], Office);
  EXPECT_EQ(print_dialogs.printers_shown[1], Lab);
  EXPECT_EQ(print_dialogs.printers_shown[2], Lab);
  EXPECT_EQ(print_dialogs.print_shown[0], PrintDialogValues{});
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(PrintTest, AcceptedPrintDialogPrintsThePreviewToTheChosenPrinter) {
  printers.printer = Office;
  parts->Memo.set_text("<p>Printed from the preview</p>");
  form->Action5Execute();
  // The dialog reports one copy, so the printer's own count of two holds.
  print_dialogs.print_answer = PrintChoice{{.copies = 1}, pdf_printer("page.pdf", 2)};
  press(*form, GDK_KEY_p, GDK_CONTROL_MASK);
  EXPECT_TRUE(boxes.errors.empty()) << boxes.errors.front();
  ASSERT_TRUE(std::filesystem::exists(folder / "page.pdf"));
  const std::string text = pdf_text(folder / "page.pdf");
  EXPECT_NE(text.find("Printed from the preview"), std::string::npos) << text;
  EXPECT_EQ(parts->printer_settings.printer().copies, 2);
  EXPECT_EQ(parts->printer_settings.print_dialog().copies, 2);

  // The next print dialog starts from that printer; cancelling prints nothing.
  std::filesystem::remove(folder / "page.pdf");
  press(*form, GDK_KEY_p, GDK_CONTROL_MASK);
  ASSERT_EQ(print_dialogs.printers_shown.size(), 2u);
  EXPECT_EQ(print_dialogs.printers_shown[1].printer, "Print to File");
  EXPECT_EQ(print_dialogs.print_shown[1].copies, 2);
  EXPECT_FALSE(std::filesystem::exists(folder / "page.pdf"));
}

TEST_F(PrintTest, CtrlOShowsAPlainOpenDialogWhoseChoiceIsNotUsed) {
  write_file(folder / "chosen.html", "<p>not loaded</p>");
  parts->Memo.set_text("kept");
  chooser.accept(folder / "chosen.html");
  parts->Edit1.grab_focus();
  ASSERT_TRUE(iterate_until([&] { return parts->Edit1.get_realized(); }));
  EXPECT_TRUE(press(*form, GDK_KEY_o, GDK_CONTROL_MASK));
  ASSERT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(chooser.shown[0].kind, FileDialogKind::Open);
  EXPECT_TRUE(chooser.shown[0].filters.empty());
  EXPECT_EQ(chooser.shown[0].start.initial_dir, "");
  EXPECT_EQ(parts->Memo.text(), "kept");
  EXPECT_EQ(parts->OD.file_name(), "");
  EXPECT_EQ(parts->OpenDialog1.file_name(), folder / "chosen.html");
  EXPECT_FALSE(parts->commands.command(CommandId::WindowClose1).execute());
  EXPECT_FALSE(parts->commands.command(CommandId::HelpContents1).execute());
}

}  // namespace
}  // namespace tagpad
