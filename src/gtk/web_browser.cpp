// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/web_browser.h"

#include "core/address.h"
#include "core/error.h"
#include "gtk/deliver.h"

#include <glibmm/wrap.h>

#include <memory>

namespace tagpad {
namespace {

const char* termination_text(WebKitWebProcessTerminationReason reason) {
  switch (reason) {
    case WEBKIT_WEB_PROCESS_CRASHED:
      return "crashed";
    case WEBKIT_WEB_PROCESS_EXCEEDED_MEMORY_LIMIT:
      return "exceeded its memory limit";
    case WEBKIT_WEB_PROCESS_TERMINATED_BY_API:
      break;
  }
  return "terminated";
}

}  // namespace

struct WebBrowser::ScriptCall {
  bool done = false;
  std::string value;
  std::string error;
};

class WebBrowser::Document : public BrowserDocument {
 public:
  explicit Document(WebBrowser& browser) : browser_(browser) {}

  std::string title() override { return browser_.run_script("return document.title;", nullptr); }

  void write(const std::string& text) override {
    GVariantDict arguments;
    g_variant_dict_init(&arguments, nullptr);
    g_variant_dict_insert(&arguments, "text", "s", text.c_str());
    // The engine takes no ownership of the arguments: a floating reference
    // left to it stays alive, and every Run would leak the whole text.
    std::unique_ptr<GVariant, decltype(&g_variant_unref)> packed(g_variant_ref_sink(g_variant_dict_end(&arguments)),
                                                                 g_variant_unref);
    browser_.run_script("document.write(text);", packed.get());
  }

  std::string inner_html() override {
    return browser_.run_script("const e = document.documentElement; return e ? e.innerHTML : '';", nullptr);
  }

  void load(const std::string& bytes) override { browser_.load_bytes(bytes); }

 private:
  WebBrowser& browser_;
};

WebBrowser::WebBrowser(const CodePage& code_page) : code_page_(code_page) {
  // Pages come from anywhere; the sandbox can only be switched on before the
  // context starts its first web process.
  WebKitWebContext* context = webkit_web_context_get_default();
  if (!webkit_web_context_get_sandbox_enabled(context)) webkit_web_context_set_sandbox_enabled(context, TRUE);

  view_ = WEBKIT_WEB_VIEW(g_object_ref_sink(webkit_web_view_new()));
  widget_ = Glib::wrap(GTK_WIDGET(view_));
  gtk_widget_set_has_tooltip(GTK_WIDGET(view_), FALSE);
  handler_ids_ = {
      g_signal_connect(view_, "load-changed", G_CALLBACK(on_load_changed), this),
      g_signal_connect(view_, "decide-policy", G_CALLBACK(on_decide_policy), this),
      g_signal_connect(view_, "mouse-target-changed", G_CALLBACK(on_mouse_target_changed), this),
      g_signal_connect(view_, "web-process-terminated", G_CALLBACK(on_web_process_terminated), this),
      g_signal_connect(view_, "notify::has-tooltip", G_CALLBACK(on_has_tooltip), this),
      // Waking a wait is all this does: the wait then checks the state.
      g_signal_connect_swapped(view_, "notify::is-web-process-responsive", G_CALLBACK(+[](gpointer) {}), nullptr),
  };
}

WebBrowser::~WebBrowser() {
  for (gulong id : handler_ids_) g_signal_handler_disconnect(view_, id);
  g_object_unref(view_);
}

void WebBrowser::begin_request() {
  ++generation_;
  ready_state_ = 1;
  stopped_reason_.reset();
}

void WebBrowser::navigate(const std::string& url) {
  std::string uri =
      complete_address(url, [](const std::string& path) { return g_file_test(path.c_str(), G_FILE_TEST_EXISTS); });
  begin_request();
  webkit_web_view_load_uri(view_, uri.c_str());
}

void WebBrowser::go_back() {
  if (!webkit_web_view_can_go_back(view_)) throw Error("Unspecified error");
  begin_request();
  webkit_web_view_go_back(view_);
}

void WebBrowser::go_forward() {
  if (!webkit_web_view_can_go_forward(view_)) throw Error("Unspecified error");
  begin_request();
  webkit_web_view_go_forward(view_);
}

void WebBrowser::stop() { webkit_web_view_stop_loading(view_); }

void WebBrowser::wait_for_events() {
  wait_until([woken = false]() mutable { return std::exchange(woken, true); });
}

template <typename Done>
void WebBrowser::wait_until(Done done) {
  for (;;) {
    if (quitting_) throw Abort();
    check_running();
    if (done()) return;
    g_main_context_iteration(nullptr, TRUE);
    while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
    // The engine reports a process that has not answered for a few
    // seconds; a page stuck in a loop would otherwise hold the wait forever.
    if (!stopped_reason_ && !webkit_web_view_get_is_web_process_responsive(view_)) {
      stopped_reason_ = "not responding";
      webkit_web_view_terminate_web_process(view_);
    }
  }
}

void WebBrowser::check_running() const {
  if (stopped_reason_) throw Error("The HTML engine stopped: " + *stopped_reason_);
}

void WebBrowser::abandon_waits() {
  quitting_ = true;
  g_main_context_wakeup(nullptr);
}

void WebBrowser::terminate_engine() { webkit_web_view_terminate_web_process(view_); }

std::unique_ptr<BrowserDocument> WebBrowser::document() {
  if (!committed_ || stopped_reason_) return nullptr;
  return std::make_unique<Document>(*this);
}

std::string WebBrowser::run_script(const char* body, GVariant* arguments) {
  check_running();
  auto call = std::make_shared<ScriptCall>();
  // The answer may come after a wait has given up on it, so the callback
  // keeps its own reference to the call's state.
  webkit_web_view_call_async_javascript_function(view_, body, -1, arguments, nullptr, nullptr, nullptr,
                                                 on_script_finished, new std::shared_ptr<ScriptCall>(call));
  wait_until([&] { return call->done; });
  if (!call->error.empty()) throw Error(call->error);
  return call->value;
}

void WebBrowser::on_script_finished(GObject* source, GAsyncResult* result, gpointer data) {
  std::unique_ptr<std::shared_ptr<ScriptCall>> holder(static_cast<std::shared_ptr<ScriptCall>*>(data));
  ScriptCall& call = **holder;
  GError* error = nullptr;
  JSCValue* value = webkit_web_view_call_async_javascript_function_finish(WEBKIT_WEB_VIEW(source), result, &error);
  if (value) {
    if (jsc_value_is_string(value)) {
      std::unique_ptr<char, decltype(&g_free)> text(jsc_value_to_string(value), g_free);
      call.value = text.get();
    }
    g_object_unref(value);
  } else {
    call.error = error && error->message && *error->message ? error->message : "Unspecified error";
    g_clear_error(&error);
  }
  call.done = true;
}

void WebBrowser::load_bytes(const std::string& bytes) {
  begin_request();
  if (bytes.empty()) {
    // The engine refuses zero bytes; an empty HTML string is the same document.
    webkit_web_view_load_html(view_, "", "about:blank");
  } else {
    GBytes* data = g_bytes_new(bytes.data(), bytes.size());
    webkit_web_view_load_bytes(view_, data, "text/html", code_page_.web_charset().c_str(), "about:blank");
    g_bytes_unref(data);
  }
  wait_until([this] { return ready_state_ >= 3; });
}

void WebBrowser::on_load_changed(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  const bool current = browser.started_generation_ == browser.generation_;
  switch (event) {
    case WEBKIT_LOAD_STARTED:
      browser.started_generation_ = browser.generation_;
      browser.ready_state_ = 1;
      deliver([&] { browser.download_begin_.emit(); });
      break;
    case WEBKIT_LOAD_REDIRECTED:
      break;
    case WEBKIT_LOAD_COMMITTED:
      browser.committed_ = true;
      if (current) browser.ready_state_ = 3;
      break;
    case WEBKIT_LOAD_FINISHED:
      if (current) browser.ready_state_ = 4;
      deliver([&] { browser.download_complete_.emit(); });
      break;
  }
}

gboolean WebBrowser::on_decide_policy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                      gpointer self) {
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  auto& browser = *static_cast<WebBrowser*>(self);
  WebKitNavigationAction* action =
      webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  deliver([&] { browser.before_navigate2_.emit(uri ? uri : ""); });
  return FALSE;
}

void WebBrowser::on_mouse_target_changed(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  const char* link = webkit_hit_test_result_context_is_link(hit) ? webkit_hit_test_result_get_link_uri(hit) : "";
  deliver([&] { browser.status_text_change_.emit(link ? link : ""); });
}

void WebBrowser::on_web_process_terminated(WebKitWebView*, WebKitWebProcessTerminationReason reason, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  if (!browser.stopped_reason_) browser.stopped_reason_ = termination_text(reason);
  browser.committed_ = false;
}

void WebBrowser::on_has_tooltip(GObject*, GParamSpec*, gpointer self) {
  // The engine turns tooltips on for titled elements; the preview shows none.
  auto& browser = *static_cast<WebBrowser*>(self);
  if (gtk_widget_get_has_tooltip(GTK_WIDGET(browser.view_)))
    gtk_widget_set_has_tooltip(GTK_WIDGET(browser.view_), FALSE);
}

}  // namespace tagpad
