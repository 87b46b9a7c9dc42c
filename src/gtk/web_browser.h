// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/browser.h"
#include "core/code_page.h"
#include "gtk/page_accessibility.h"

#include <gtkmm/widget.h>
#include <sigc++/signal.h>
#include <webkit2/webkit2.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tagpad {

/// The preview pane: one WebKitWebView driven synchronously. Every wait
/// dispatches events like a message pump but blocks for the next one, and
/// ends with an error when the web process dies or stops answering. The
/// engine is watched while a page is shown: a page that stops answering or
/// outgrows its memory limit is ended and reported once.
class WebBrowser : public Browser {
 public:
  /// Large enough for a 20 MB document, small enough to stop a runaway page
  /// long before the machine runs short.
  static constexpr unsigned DefaultMemoryLimitMb = 3072;

  explicit WebBrowser(const CodePage& code_page, unsigned memory_limit_mb = DefaultMemoryLimitMb);
  ~WebBrowser() override;
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  Gtk::Widget& widget() { return *widget_; }

  void navigate(const std::string& url) override;
  void go_back() override;
  void go_forward() override;
  void stop() override;
  int ready_state() const override { return ready_state_; }
  void wait_for_events() override;
  std::unique_ptr<BrowserDocument> document() override;

  /// Ends every wait at its next check with tagpad::Abort.
  void abandon_waits();
  /// Kills the web process, as a crash would.
  void terminate_engine();

  sigc::signal<void(const std::string&)>& signal_before_navigate2() { return before_navigate2_; }
  sigc::signal<void()>& signal_download_begin() { return download_begin_; }
  sigc::signal<void()>& signal_download_complete() { return download_complete_; }
  sigc::signal<void(const std::string&)>& signal_status_text_change() { return status_text_change_; }

 private:
  class Document;
  struct ScriptCall;

  void begin_request();
  template <typename Done>
  void wait_until(Done done);
  void check_running();
  std::shared_ptr<ScriptCall> start_script(const char* body, GVariant* arguments, const char* world);
  /// The page's answer to a script, or nothing while the page waits on a
  /// dialog of its own: it cannot answer then.
  std::optional<std::string> ask_page(const char* body);
  /// Shows `text` as the document, read while the engine loads it.
  void load(std::unique_ptr<TextSnapshot> text, const std::string& charset);
  void close_script_dialog();
  /// Hands an event to the window once the engine's own dispatch is over:
  /// a handler that waits for the engine inside that dispatch would hold
  /// back the engine's messages, a script dialog's among them.
  void post(std::function<void()> event);
  void beat();
  void engine_stopped(const char* reason);

  static void on_load_changed(WebKitWebView*, WebKitLoadEvent, gpointer self);
  static gboolean on_decide_policy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType, gpointer self);
  static void on_mouse_target_changed(WebKitWebView*, WebKitHitTestResult*, guint, gpointer self);
  static void on_web_process_terminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self);
  static gboolean on_script_dialog(WebKitWebView*, WebKitScriptDialog*, gpointer self);
  static void on_has_tooltip(GObject*, GParamSpec*, gpointer self);
  static void on_script_finished(GObject*, GAsyncResult*, gpointer call);
  static void on_document_request(WebKitURISchemeRequest*, gpointer self);

  const CodePage& code_page_;

  // Owned: the engine's context, the view, and the wrapper that the window
  // packs.
  WebKitWebContext* context_;
  WebKitWebView* view_;
  Gtk::Widget* widget_;
  PageAccessibility page_accessibility_;
  // Where the engine reads the program's own documents, and the one it is
  // about to read there.
  const std::string document_address_;
  struct PendingDocument {
    std::unique_ptr<GInputStream, decltype(&g_object_unref)> stream;
    std::string charset;
  };
  std::optional<PendingDocument> pending_document_;
  std::vector<gulong> handler_ids_;
  guint heartbeat_id_ = 0;
  guint events_source_ = 0;
  std::deque<std::function<void()>> events_;

  // A wait belongs to the newest request; events of superseded loads are
  // told apart by the generation that was current when their load started.
  unsigned generation_ = 0;
  unsigned started_generation_ = 0;
  int ready_state_ = 0;
  bool committed_ = false;
  // Pages committed so far: a question to a page ends with its page.
  unsigned commits_ = 0;
  int waits_ = 0;
  // One incident, one report: the first wait that meets it raises the
  // error, any wait below it ends silently.
  std::optional<std::string> stopped_reason_;
  bool stop_reported_ = false;
  bool quitting_ = false;

  // The heartbeat's question to the page, and when it was asked.
  std::shared_ptr<ScriptCall> ping_;
  gint64 ping_sent_ = 0;
  // The most elements the page of this request has held, or an estimate
  // from the bytes loaded until it answers: it sets the time the page gets.
  unsigned long long document_elements_ = 0;
  // A script dialog the page waits on; a page waiting is not a hung page.
  WebKitScriptDialog* dialog_ = nullptr;
  gint64 dialog_opened_ = 0;

  sigc::signal<void(const std::string&)> before_navigate2_;
  sigc::signal<void()> download_begin_;
  sigc::signal<void()> download_complete_;
  sigc::signal<void(const std::string&)> status_text_change_;
};

}  // namespace tagpad
