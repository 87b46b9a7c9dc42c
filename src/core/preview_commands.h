// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/browser.h"
#include "core/code_page.h"
#include "core/navigation.h"
#include "core/preview_window.h"

namespace tagpad {

/// The commands that move text between the source pane and the preview:
/// the start-up preview, Run, New and the HTML source view.
class PreviewCommands {
 public:
  PreviewCommands(Browser& browser, PreviewWindow& window, Navigation& navigation, const CodePage& code_page);

  /// Loads the source pane's text as the preview's document.
  void show_source_text();
  /// Run: a blank document, then the source pane's text written into it;
  /// the caption then names the written document's title.
  void run();
  /// New: empties the source pane and the address bar and shows an empty
  /// document.
  void new_document();
  /// Replaces the source pane's text by the HTML of the shown document,
  /// only once that HTML is in hand: a failure leaves the pane as it was.
  void view_document_source();

 private:
  // Borrowed
  Browser& browser_;
  PreviewWindow& window_;
  Navigation& navigation_;
  const CodePage& code_page_;
};

}  // namespace tagpad
