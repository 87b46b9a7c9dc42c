// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/preview_commands.h"

#include "core/error.h"
#include "core/line_rules.h"
#include "core/preview_loader.h"

namespace tagpad {

PreviewCommands::PreviewCommands(Browser& browser, PreviewWindow& window, Navigation& navigation,
                                 const CodePage& code_page)
    : browser_(browser), window_(window), navigation_(navigation), code_page_(code_page) {}

void PreviewCommands::show_source_text() { LoadHtmlIntoBrowser(browser_, code_page_.from_utf8(window_.source_text())); }

void PreviewCommands::run() {
  LoadHtmlIntoBrowser(browser_, "");
  auto document = browser_.document();
  if (!document) return;
  document->write(window_.source_snapshot());
  // The blank document's download may have completed before the write, and
  // its caption then named no title; the written document's title counts.
  navigation_.show_document_title();
}

void PreviewCommands::new_document() {
  window_.set_source_text("");
  window_.set_address_text("");
  show_source_text();
}

void PreviewCommands::view_document_source() {
  auto document = browser_.document();
  if (!document) throw Error("The HTML engine shows no document");
  // The pane emptied and the page's HTML added as its one line, in one step
  // that Undo takes back whole.
  window_.set_source_text(line_insertion(document->inner_html(), 0, true).text);
}

}  // namespace tagpad
