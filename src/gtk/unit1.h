// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/application_hint.h"
#include "core/command_table.h"
#include "core/file_dialog.h"
#include "core/find_dialog_state.h"
#include "core/focused_target.h"
#include "core/key_suppression.h"
#include "core/navigation.h"
#include "core/preview_commands.h"
#include "core/preview_window.h"
#include "core/printer_settings.h"
#include "core/status_bar_model.h"
#include "gtk/entry_text_target.h"
#include "gtk/gtk_text_clipboard.h"
#include "gtk/main_menu.h"
#include "gtk/memo_document_pane.h"
#include "gtk/memo_text_target.h"
#include "gtk/preview_printer.h"
#include "gtk/search_dialog.h"
#include "gtk/source_pane.h"
#include "gtk/splitter.h"
#include "gtk/tool_bar.h"
#include "gtk/web_browser.h"
#include "gtk/web_downloads.h"
#include "platform/services.h"

#include <gtkmm/box.h>
#include <gtkmm/builder.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <memory>
#include <string>

namespace tagpad {

/// The main window: its components and event handlers. The rules the
/// handlers follow live in core; each handler is a few calls into it.
class TForm1 : public Gtk::Window, private PreviewWindow {
 public:
  /// Builds the window from unit1.ui and runs FormCreate before returning;
  /// an error in FormCreate is reported and the window is still returned.
  static std::unique_ptr<TForm1> create(Services& services);

  TForm1(BaseObjectType* object, const Glib::RefPtr<Gtk::Builder>& builder, Services& services);
  ~TForm1() override;

  // Handlers
  void FormCreate();
  void ShowHint();
  void MemoKeyDown(unsigned key, KeySuppression::Modifiers shift);
  /// Whether the character of the key that just went down is discarded.
  bool MemoKeyPress();
  void MemoChange();
  void Action8Execute();
  void Action9Execute();
  void Action1Execute();
  void Action2Execute();
  void Action3Execute();
  void Action4Execute();
  void Action5Execute();
  void Action6Execute();
  void Action10Execute();
  void ActBackExecute();
  void AcFowardExecute();
  void ActStopExecute();
  void FileOpen1Execute();
  void FilePageSetup1Execute();
  void FilePrintSetup1Execute();
  void PrintDlg1Execute();
  void Edit1KeyPress(char& Key);
  void WebBrowserBeforeNavigate2(const std::string& url);
  void WebBrowserDownloadBegin();
  void WebBrowserDownloadComplete();
  void WebBrowserStatusTextChange(const std::string& text);

  // From unit1.ui, owned by the window
  Gtk::Entry& Edit1;
  Gtk::Label& StatusBar1;
  Gtk::Box& Panel1;
  Gtk::Box& Panel2;

  // Owned
  CommandTable commands;
  ApplicationHint application_hint;
  StatusBarModel status_bar;
  SourcePane Memo;
  tagpad::WebBrowser WebBrowser;
  WebDownloads web_downloads;
  Splitter Splitter1;
  FileDialog OD{FileDialogKind::Open, document_filters()};
  FileDialog SD{FileDialogKind::Save, document_filters()};
  /// FileOpen1's own dialog, whose choice nothing uses.
  FileDialog OpenDialog1{FileDialogKind::Open, {}};
  PrinterSettings printer_settings;
  MemoDocumentPane memo_document;
  PreviewPrinter preview_printer;
  KeySuppression SuppressKey;
  MemoTextTarget memo_target;
  EntryTextTarget edit1_target;
  GtkTextClipboard clipboard;
  /// The source pane's font height in pixels, negative for character height.
  int memo_font_height = -13;
  FindDialogState find_state;
  FindDialogState replace_state;
  SearchDialog find_dialog;
  SearchDialog replace_dialog;
  MainMenu MainMenu1;
  ToolBar ToolBar1;
  Navigation navigation;
  PreviewCommands preview;

 private:
  void apply_memo_font();
  bool on_delete(GdkEventAny*);
  bool on_key_press(GdkEventKey* event);
  bool on_memo_key_press(GdkEventKey* event);
  int screen_ppi() const;
  void queue_idle_refresh();
  void idle_refresh();
  bool on_edit1_key_press(GdkEventKey* event);

  std::string source_text() const override;
  void set_source_text(const std::string& text) override;
  void add_source_line(const std::string& line) override;
  std::string address_text() const override;
  void set_address_text(const std::string& text) override;
  void set_caption(const std::string& caption) override;
  /// The text control with the keyboard focus, or null.
  TextTarget* focused_text_target();
  void find_next(TextTarget* target, const FindDialogState& state);
  void replace_next();
  void replace_every();
  void not_found(const FindDialogState& state);

  // The text controls the two dialogs work on, captured when they open.
  TextTarget* find_target_ = nullptr;
  TextTarget* replace_target_ = nullptr;
  // What the edit, find and replace commands act on.
  FocusedTarget focused_target_{[this] { return focused_text_target(); }};

  bool idle_refresh_queued_ = false;
  Glib::RefPtr<Gtk::CssProvider> memo_font_;

  // Borrowed
  Services& services_;
};

}  // namespace tagpad
