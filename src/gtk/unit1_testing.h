// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "gtk/unit1.h"

namespace tagpad {

/// The main window's components as tests and benchmarks reach them: the
/// window keeps them private, and this view is the one way in. The program
/// itself never includes it.
class TForm1::Testing {
 public:
  explicit Testing(TForm1& form)
      : Edit1(form.Edit1),
        StatusBar1(form.StatusBar1),
        Panel1(form.Panel1),
        Panel2(form.Panel2),
        Memo(form.Memo),
        WebBrowser(form.WebBrowser),
        Splitter1(form.Splitter1),
        OD(form.OD),
        SD(form.SD),
        OpenDialog1(form.OpenDialog1),
        commands(form.commands_),
        status_bar(form.status_bar_),
        printer_settings(form.printer_settings_),
        memo_target(form.memo_target_),
        edit1_target(form.edit1_target_),
        memo_font_height(form.memo_font_height_),
        find_state(form.find_state_),
        replace_state(form.replace_state_),
        find_dialog(form.find_dialog_),
        replace_dialog(form.replace_dialog_),
        navigation(form.navigation_),
        recovery(form.recovery_) {}

  Gtk::Entry& Edit1;
  Gtk::Label& StatusBar1;
  Gtk::Box& Panel1;
  Gtk::Box& Panel2;
  SourcePane& Memo;
  tagpad::WebBrowser& WebBrowser;
  Splitter& Splitter1;
  FileDialog& OD;
  FileDialog& SD;
  FileDialog& OpenDialog1;
  CommandTable& commands;
  StatusBarModel& status_bar;
  PrinterSettings& printer_settings;
  MemoTextTarget& memo_target;
  EntryTextTarget& edit1_target;
  const int& memo_font_height;
  FindDialogState& find_state;
  FindDialogState& replace_state;
  SearchDialog& find_dialog;
  SearchDialog& replace_dialog;
  Navigation& navigation;
  RecoveryKeeper& recovery;
};

}  // namespace tagpad
