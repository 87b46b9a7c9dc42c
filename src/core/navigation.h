// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/browser.h"
#include "core/command_table.h"
#include "core/history_list.h"
#include "core/preview_window.h"
#include "core/status_bar_model.h"

#include <memory>
#include <string>

namespace tagpad {

/// The main window as a minimal web browser: address entry with the list of
/// typed addresses, Back, Forward and Stop, and the browser events that keep
/// the status text, the Stop command and the caption current.
class Navigation {
 public:
  Navigation(Browser& browser, PreviewWindow& window, CommandTable& commands, StatusBarModel& status_bar);

  /// Creates the empty address list; the window does so once at start-up,
  /// after its first preview.
  void create_history_list();
  /// The address list, or null before create_history_list().
  const HistoryList* history_list() const { return history_list_.get(); }

  /// A character typed into the address bar. Enter (13) is swallowed (set
  /// to 0) and navigates to the bar's text as typed, empties the source
  /// pane and records the address.
  void address_key(char& key);
  /// Steps the address bar back through the list and the engine back in
  /// its history; "List index out of bounds (%d)" before either moves when
  /// the bar's text has no entry before it.
  void back();
  void forward();
  void stop();

  void before_navigate(const std::string& url);
  void download_begin();
  void download_complete();
  void status_text_change(const std::string& text);
  /// The caption rule: the document's title followed by "  Tagpad".
  void show_document_title();

 private:
  HistoryList& history();

  // Borrowed
  Browser& browser_;
  PreviewWindow& window_;
  CommandTable& commands_;
  StatusBarModel& status_bar_;

  std::unique_ptr<HistoryList> history_list_;
  unsigned title_requests_ = 0;
};

}  // namespace tagpad
