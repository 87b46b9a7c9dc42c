// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/code_page.h"
#include "core/posix_file_system.h"
#include "gtk/error_display.h"
#include "gtk/unit1_testing.h"
#include "support/fake_file_chooser.h"
#include "support/fake_message_boxes.h"
#include "support/fake_printing.h"

#include <memory>
#include <string>

namespace tagpad::bench {

/// The main window as the program builds it, shown, with the real file
/// system and the tests' fakes for what a person would click.
class BenchWindow {
 public:
  /// A `recovery_folder` makes the window keep recovery copies there.
  explicit BenchWindow(const char* code_page = "UTF-8", std::string recovery_folder = {});

  TForm1* operator->() const { return form_.get(); }
  /// The window's components, through its seam for tests.
  TForm1::Testing parts() const { return TForm1::Testing(*form_); }

  // What the window reported, and the answer its open and save dialogs give.
  FakeMessageBoxes boxes;
  FakeFileChooser chooser;

 private:
  CodePage code_page_;
  ErrorDisplay error_display_{boxes};
  PosixFileSystem files_;
  FakePrinterCatalogue printers_;
  FakePrintDialogs print_dialogs_;
  Services services_{code_page_, boxes, "/tmp/", chooser, files_, printers_, print_dialogs_};
  std::unique_ptr<TForm1> form_;
};

}  // namespace tagpad::bench
