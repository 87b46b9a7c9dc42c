// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/browser.h"
#include "core/code_page.h"

#include <gtkmm/widget.h>
#include <sigc++/signal.h>
#include <webkit2/webkit2.h>

#include <optional>
#include <string>
#include <vector>

namespace tagpad {

/// The preview pane: one WebKitWebView driven synchronously. Every wait
/// dispatches events like a message pump but blocks for the next one, and
/// ends with an error when the web process dies or stops answering.
class WebBrowser : public Browser {
 public:
  explicit WebBrowser(const CodePage& code_page);
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
  void check_running() const;
  std::string run_script(const char* body, GVariant* arguments);
  void load_bytes(const std::string& bytes);

  static void on_load_changed(WebKitWebView*, WebKitLoadEvent, gpointer self);
  static gboolean on_decide_policy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType, gpointer self);
  static void on_mouse_target_changed(WebKitWebView*, WebKitHitTestResult*, guint, gpointer self);
  static void on_web_process_terminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self);
  static void on_has_tooltip(GObject*, GParamSpec*, gpointer self);
  static void on_script_finished(GObject*, GAsyncResult*, gpointer call);

  const CodePage& code_page_;

  // Owned: the view, and the wrapper that the window packs.
  WebKitWebView* view_;
  Gtk::Widget* widget_;
  std::vector<gulong> handler_ids_;

  // A wait belongs to the newest request; events of superseded loads are
  // told apart by the generation that was current when their load started.
  unsigned generation_ = 0;
  unsigned started_generation_ = 0;
  int ready_state_ = 0;
  bool committed_ = false;
  std::optional<std::string> stopped_reason_;
  bool quitting_ = false;

  sigc::signal<void(const std::string&)> before_navigate2_;
  sigc::signal<void()> download_begin_;
  sigc::signal<void()> download_complete_;
  sigc::signal<void(const std::string&)> status_text_change_;
};

}  // namespace tagpad
