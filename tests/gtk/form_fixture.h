// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/code_page.h"
#include "core/posix_file_system.h"
#include "gtk/error_display.h"
#include "gtk/toolkit_setup.h"
#include "gtk/unit1_testing.h"
#include "support/fake_file_chooser.h"
#include "support/fake_message_boxes.h"
#include "support/fake_printing.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace tagpad {

/// The main window as the program builds it, with fake message boxes.
class FormTest : public testing::Test {
 protected:
  explicit FormTest(const char* code_page = "UTF-8") : code_page_(CodePage::named(code_page)) {}

  void SetUp() override {
    prepare_toolkit();
    form = TForm1::create(services_);
    parts.emplace(*form);
    form->show();
  }

  std::string preview_html() { return parts->WebBrowser.document()->inner_html(); }

  CodePage code_page_;
  FakeMessageBoxes boxes;
  ErrorDisplay error_display_{boxes};
  FakeFileChooser chooser;
  PosixFileSystem files;
  FakePrinterCatalogue printers;
  FakePrintDialogs print_dialogs;
  Services services_{code_page_, boxes, "/opt/tagpad/", chooser, files, printers, print_dialogs};
  std::unique_ptr<TForm1> form;
  /// The window's components, through the window's seam for tests.
  std::optional<TForm1::Testing> parts;
};

}  // namespace tagpad
