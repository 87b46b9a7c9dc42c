// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/navigation.h"

#include "core/error.h"

namespace tagpad {

Navigation::Navigation(Browser& browser, PreviewWindow& window, CommandTable& commands, StatusBarModel& status_bar)
    : browser_(browser), window_(window), commands_(commands), status_bar_(status_bar) {}

void Navigation::create_history_list() { history_list_ = std::make_unique<HistoryList>(); }

HistoryList& Navigation::history() {
  // Created last at start-up; a failure before that leaves none.
  if (!history_list_) throw Error("The address history was not created");
  return *history_list_;
}

void Navigation::address_key(char& key) {
  if (key != '\r') return;
  key = 0;
  const std::string address = window_.address_text();
  if (address.empty()) return;
  browser_.navigate(address);
  window_.set_source_text("");
  if (history().add(address)) commands_.command(CommandId::ActBack).set_enabled(history().count() >= 2);
}

void Navigation::back() {
  commands_.tool_button("ActForward").set_enabled(true);
  window_.set_address_text(history().at(history().index_of(window_.address_text()) - 1));
  browser_.go_back();
  if (history().index_of(window_.address_text()) == 0) commands_.command(CommandId::ActBack).set_enabled(false);
}

void Navigation::forward() {
  const int index = history().index_of(window_.address_text());
  if (index == history().count() - 2) commands_.tool_button("ActForward").set_enabled(false);
  window_.set_address_text(history().at(index + 1));
  browser_.go_forward();
  commands_.command(CommandId::ActBack).set_enabled(true);
}

void Navigation::stop() {
  browser_.stop();
  status_bar_.set_single_text("");
}

void Navigation::before_navigate(const std::string& url) { status_bar_.set_single_text(url); }

void Navigation::download_begin() { commands_.command(CommandId::ActStop).set_enabled(true); }

void Navigation::download_complete() {
  commands_.command(CommandId::ActStop).set_enabled(false);
  status_bar_.set_single_text("");
  show_document_title();
}

void Navigation::status_text_change(const std::string& text) { status_bar_.set_single_text(text); }

void Navigation::show_document_title() {
  // Asking the page waits for its answer, and a later page may complete and
  // show its own title meanwhile; then this answer is out of date.
  const unsigned asked = ++title_requests_;
  // Without a document (the engine gone) the title counts as empty.
  auto document = browser_.document();
  const std::string title = document ? document->title() : std::string();
  if (asked == title_requests_) window_.set_caption(title + "  Tagpad");
}

}  // namespace tagpad
