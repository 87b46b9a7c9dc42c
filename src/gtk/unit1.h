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
#include "gtk/connections.h"
#include "gtk/entry_text_target.h"
#include "gtk/glib_timer_service.h"
#include "gtk/gtk_text_clipboard.h"
#include "gtk/main_menu.h"
#include "gtk/memo_document_pane.h"
#include "gtk/memo_text_target.h"
#include "gtk/preview_printer.h"
#include "gtk/recovery_keeper.h"
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

  /// Writes the text that no recovery copy holds yet: the session is ending.
  void keep_unsaved_text();

  /// The tests' one way in to the components (gtk/unit1_testing.h).
  class Testing;

 private:
  // Construction steps, in order.
  void place(const Glib::RefPtr<Gtk::Builder>& builder);
  void bind_commands();
  void embed_browser(const Glib::RefPtr<Gtk::Builder>& builder);
  void connect_signals();
  // What the find and replace commands and dialogs ask of the window.
  SearchDialog::Handlers find_requests();
  SearchDialog::Handlers replace_requests();
  void open_find(TextTarget& target);
  void open_replace(TextTarget& target);

  void apply_memo_font();
  bool on_delete(GdkEventAny*);
  void on_hide_abandon_waits();
  bool on_key_press(GdkEventKey* event);
  bool on_memo_key_press(GdkEventKey* event);
  bool on_edit1_key_press(GdkEventKey* event);
  void show_status_text();
  int screen_ppi() const;
  void queue_idle_refresh();
  bool idle_refresh();

  std::string source_text() const override;
  std::unique_ptr<TextSnapshot> source_snapshot() const override;
  void set_source_text(const std::string& text) override;
  std::string address_text() const override;
  void set_address_text(const std::string& text) override;
  void set_caption(const std::string& caption) override;
  /// The text control with the keyboard focus, or null.
  TextTarget* focused_text_target();
  void find_next(TextTarget* target, const FindDialogState& state);
  void replace_next();
  void replace_every();
  void not_found(const FindDialogState& state);

  // Borrowed; first, as the members below are made from it.
  Services& services_;

  // From unit1.ui, owned by the window
  Gtk::Entry& Edit1;
  Gtk::Label& StatusBar1;
  Gtk::Box& Panel1;
  Gtk::Box& Panel2;

  // Owned
  CommandTable commands_;
  ApplicationHint application_hint_;
  StatusBarModel status_bar_;
  SourcePane Memo;
  tagpad::WebBrowser WebBrowser{services_.code_page};
  WebDownloads web_downloads_{WebBrowser, services_.file_chooser};
  Splitter Splitter1;
  FileDialog OD{FileDialogKind::Open, document_filters()};
  FileDialog SD{FileDialogKind::Save, document_filters()};
  /// FileOpen1's own dialog, whose choice nothing uses.
  FileDialog OpenDialog1{FileDialogKind::Open, {}};
  PrinterSettings printer_settings_{services_.printers};
  MemoDocumentPane memo_document_{Memo};
  PreviewPrinter preview_printer_{WebBrowser.widget()};
  KeySuppression SuppressKey;
  MemoTextTarget memo_target_{Memo};
  EntryTextTarget edit1_target_{Edit1};
  GtkTextClipboard clipboard_;
  /// The source pane's font height in pixels, negative for character height.
  int memo_font_height_ = -13;
  Glib::RefPtr<Gtk::CssProvider> memo_font_;
  FindDialogState find_state_;
  FindDialogState replace_state_;
  SearchDialog find_dialog_{*this, find_state_, false, find_requests()};
  SearchDialog replace_dialog_{*this, replace_state_, true, replace_requests()};
  MainMenu MainMenu1;
  ToolBar ToolBar1;
  Navigation navigation_{WebBrowser, *this, commands_, status_bar_};
  PreviewCommands preview_{WebBrowser, *this, navigation_, services_.code_page};
  GlibTimerService recovery_timers_;
  RecoveryKeeper recovery_{Memo, services_.file_system, services_.code_page, services_.recovery_folder,
                           recovery_timers_};

  // The text controls the two dialogs work on, captured when they open.
  TextTarget* find_target_ = nullptr;
  TextTarget* replace_target_ = nullptr;
  // What the edit, find and replace commands act on.
  FocusedTarget focused_target_{[this] { return focused_text_target(); }};

  bool idle_refresh_queued_ = false;
  sigc::connection idle_refresh_;
  // Last, so that no handler runs while the members above are destroyed.
  Connections connections_;
};

}  // namespace tagpad
