// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/web_browser.h"

#include "core/address.h"
#include "core/error.h"
#include "core/string_snapshot.h"
#include "gtk/deliver.h"
#include "gtk/snapshot_input_stream.h"
#include "gtk/web_sandbox.h"

#include <glibmm/wrap.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tagpad {
namespace {

constexpr guint HeartbeatIntervalMs = 1000;
constexpr gint64 HangTimeoutUs = 5 * G_USEC_PER_SEC;
// The engine styles and lays out a document in single tasks that grow with
// its size, while it parses it too: 20 MB of paragraphs keeps it from
// answering for 10 s and more on a busy machine. A page gets this much more
// time per element it holds.
constexpr gint64 HangTimeoutPerElementUs = 100;
// Until the page has answered, the size of a loaded text stands in for its
// element count.
constexpr std::size_t BytesPerElement = 64;
// The heartbeat runs in a world of its own, out of the page's reach. It
// asks for the number of elements, which the engine keeps at hand.
constexpr const char* HeartbeatWorld = "tagpad-heartbeat";
constexpr const char* HeartbeatScript = "return String(document.getElementsByTagName('*').length);";

// The documents the program shows itself, the blank one too, come from an
// address of the program's own that the engine reads as a stream: a large
// document reaches the engine in many short steps instead of being copied
// whole while the window waits. They share one address, so each load
// replaces the last in the engine's history, as about:blank's loads did.
constexpr const char* DocumentScheme = "tagpad";
constexpr const char* BlankAddress = "about:blank";

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

WebKitWebContext* new_context(unsigned memory_limit_mb) {
  WebKitMemoryPressureSettings* memory = webkit_memory_pressure_settings_new();
  webkit_memory_pressure_settings_set_memory_limit(memory, memory_limit_mb);
  // Relieve pressure only near the limit, so that a large document is not
  // slowed by constant collection, and look often enough that a runaway
  // page is ended before it has taken much more.
  // Each threshold must stay below the next one, so they are set downwards.
  webkit_memory_pressure_settings_set_kill_threshold(memory, 1.0);
  webkit_memory_pressure_settings_set_strict_threshold(memory, 0.9);
  webkit_memory_pressure_settings_set_conservative_threshold(memory, 0.8);
  webkit_memory_pressure_settings_set_poll_interval(memory, 0.5);
  auto* context =
      WEBKIT_WEB_CONTEXT(g_object_new(WEBKIT_TYPE_WEB_CONTEXT, "memory-pressure-settings", memory, nullptr));
  webkit_memory_pressure_settings_free(memory);
  // Pages come from anywhere; the sandbox can only be switched on before the
  // context starts its first web process.
  if (web_sandbox_available())
    webkit_web_context_set_sandbox_enabled(context, TRUE);
  else
    std::fputs("Tagpad: the web process sandbox cannot start on this machine; pages run without it.\n", stderr);
  return context;
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

  std::string title() override {
    if (auto title = browser_.ask_page("return document.title;")) return *title;
    // The page waits on a dialog of its own and cannot answer; the engine's
    // copy of the title, which may lag behind the page's, stands in.
    const char* title = webkit_web_view_get_title(browser_.view_);
    return title ? title : "";
  }

  void write(std::unique_ptr<TextSnapshot> text) override {
    // The text is loaded as the document rather than passed to the page's
    // own write: a call from the program would count as the user's gesture
    // (clipboard, pop-ups), and would parse the whole text in one task that
    // no heartbeat gets through. It is the same document either way.
    browser_.load(std::move(text), "UTF-8");
    browser_.wait_until([this] { return browser_.ready_state_ >= 4; });
  }

  std::string inner_html() override {
    browser_.close_script_dialog();
    auto html = browser_.ask_page("const e = document.documentElement; return e ? e.innerHTML : '';");
    if (!html) throw Error("The page is waiting for an answer to its dialog");
    return *html;
  }

  void load(std::string bytes) override {
    browser_.load(std::make_unique<StringSnapshot>(std::move(bytes)), browser_.code_page_.web_charset());
    browser_.wait_until([this] { return browser_.ready_state_ >= 3; });
  }

 private:
  WebBrowser& browser_;
};

WebBrowser::WebBrowser(const CodePage& code_page, unsigned memory_limit_mb)
    : code_page_(code_page),
      context_(new_context(memory_limit_mb)),
      view_(WEBKIT_WEB_VIEW(g_object_ref_sink(webkit_web_view_new_with_context(context_)))),
      widget_(Glib::wrap(GTK_WIDGET(view_))),
      page_accessibility_(GTK_WIDGET(view_)),
      document_address_(std::string(DocumentScheme) + ":" +
                        std::unique_ptr<char, decltype(&g_free)>(g_uuid_string_random(), g_free).get()) {
  // A page cannot guess the address unless it was shown there itself.
  webkit_web_context_register_uri_scheme(context_, DocumentScheme, on_document_request, this, nullptr);
  gtk_widget_set_has_tooltip(GTK_WIDGET(view_), FALSE);
  handler_ids_ = {
      g_signal_connect(view_, "load-changed", G_CALLBACK(on_load_changed), this),
      g_signal_connect(view_, "decide-policy", G_CALLBACK(on_decide_policy), this),
      g_signal_connect(view_, "mouse-target-changed", G_CALLBACK(on_mouse_target_changed), this),
      g_signal_connect(view_, "web-process-terminated", G_CALLBACK(on_web_process_terminated), this),
      g_signal_connect(view_, "script-dialog", G_CALLBACK(on_script_dialog), this),
      g_signal_connect(view_, "notify::has-tooltip", G_CALLBACK(on_has_tooltip), this),
  };
  heartbeat_id_ = g_timeout_add(
      HeartbeatIntervalMs,
      +[](gpointer self) -> gboolean {
        static_cast<WebBrowser*>(self)->beat();
        return G_SOURCE_CONTINUE;
      },
      this);
}

WebBrowser::~WebBrowser() {
  g_source_remove(heartbeat_id_);
  if (events_source_) g_source_remove(events_source_);
  for (gulong id : handler_ids_) g_signal_handler_disconnect(view_, id);
  close_script_dialog();
  // A page that spins would otherwise keep its process alive for seconds
  // after the window has gone.
  if (committed_) webkit_web_view_terminate_web_process(view_);
  g_object_unref(view_);
  g_object_unref(context_);
}

void WebBrowser::begin_request() {
  close_script_dialog();
  pending_document_.reset();
  ping_.reset();
  document_elements_ = 0;
  ++generation_;
  ready_state_ = 1;
  stopped_reason_.reset();
  stop_reported_ = false;
}

void WebBrowser::navigate(const std::string& url) {
  std::string uri =
      complete_address(url, [](const std::string& path) { return g_file_test(path.c_str(), G_FILE_TEST_EXISTS); });
  if (uri == BlankAddress) return load(std::make_unique<StringSnapshot>(""), "UTF-8");
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
  ++waits_;
  struct Leave {
    int& waits;
    ~Leave() { --waits; }
  } leave{waits_};
  for (;;) {
    if (quitting_) throw Abort();
    check_running();
    if (done()) return;
    g_main_context_iteration(nullptr, TRUE);
    while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
  }
}

void WebBrowser::check_running() {
  if (!stopped_reason_) return;
  if (std::exchange(stop_reported_, true)) throw Abort();
  throw Error("The HTML engine stopped: " + *stopped_reason_);
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

std::shared_ptr<WebBrowser::ScriptCall> WebBrowser::start_script(const char* body, GVariant* arguments,
                                                                 const char* world) {
  auto call = std::make_shared<ScriptCall>();
  // The answer may come after a wait has given up on it, so the callback
  // keeps its own reference to the call's state.
  webkit_web_view_call_async_javascript_function(view_, body, -1, arguments, world, nullptr, nullptr,
                                                 on_script_finished, new std::shared_ptr<ScriptCall>(call));
  return call;
}

std::optional<std::string> WebBrowser::ask_page(const char* body) {
  for (;;) {
    check_running();
    if (dialog_) return std::nullopt;
    const unsigned page = commits_;
    auto call = start_script(body, nullptr, nullptr);
    wait_until([&] { return call->done || dialog_ || commits_ != page; });
    if (call->done) {
      if (!call->error.empty()) throw Error(call->error);
      return call->value;
    }
    // A page that another one replaced before it answered may never answer:
    // the engine can give the new page a new process. The question is for
    // the page shown now.
    if (commits_ == page) return std::nullopt;
  }
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

void WebBrowser::load(std::unique_ptr<TextSnapshot> text, const std::string& charset) {
  begin_request();
  document_elements_ = text->size_hint() / BytesPerElement;
  pending_document_ = PendingDocument{{snapshot_input_stream_new(std::move(text)), g_object_unref}, charset};
  webkit_web_view_load_uri(view_, document_address_.c_str());
}

void WebBrowser::on_document_request(WebKitURISchemeRequest* request, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  // Each document is handed out once. Asked again (a reload, a step through
  // the history, a page's own request) the address gives an empty document.
  PendingDocument document{{g_memory_input_stream_new(), g_object_unref}, "UTF-8"};
  if (browser.pending_document_ && browser.document_address_ == webkit_uri_scheme_request_get_uri(request))
    document = std::move(*std::exchange(browser.pending_document_, std::nullopt));
  WebKitURISchemeResponse* response = webkit_uri_scheme_response_new(document.stream.get(), -1);
  webkit_uri_scheme_response_set_content_type(response, ("text/html; charset=" + document.charset).c_str());
  webkit_uri_scheme_request_finish_with_response(request, response);
  g_object_unref(response);
}

void WebBrowser::close_script_dialog() {
  if (!dialog_) return;
  webkit_script_dialog_close(dialog_);
  webkit_script_dialog_unref(std::exchange(dialog_, nullptr));
  // HACK: WebKitGTK 2.50 leaves the widget it shows a dialog in when the
  // dialog is closed through its API, and shows no later dialog of the page
  // while that widget stays.
  gtk_container_forall(
      GTK_CONTAINER(view_),
      +[](GtkWidget* child, gpointer) {
        if (g_str_equal(G_OBJECT_TYPE_NAME(child), "WebKitScriptDialogImpl")) gtk_widget_destroy(child);
      },
      nullptr);
}

void WebBrowser::beat() {
  if (!committed_ || stopped_reason_) return;
  const gint64 now = g_get_monotonic_time();
  if (ping_ && !ping_->done) {
    page_accessibility_.hide();
    // A page waiting on its own dialog is waiting for the user.
    if (dialog_) ping_sent_ = now;
    const auto elements = static_cast<gint64>(std::min<unsigned long long>(document_elements_, G_MAXINT32));
    if (now - ping_sent_ >= HangTimeoutUs + elements * HangTimeoutPerElementUs) engine_stopped("not responding");
    return;
  }
  if (ping_) page_accessibility_.show();
  if (ping_ && ping_->error.empty())
    document_elements_ = std::max(document_elements_, std::strtoull(ping_->value.c_str(), nullptr, 10));
  // An answer to a question asked after the dialog opened means the page
  // runs again: the dialog is gone.
  if (ping_ && dialog_ && ping_sent_ > dialog_opened_) webkit_script_dialog_unref(std::exchange(dialog_, nullptr));
  ping_ = start_script(HeartbeatScript, nullptr, HeartbeatWorld);
  ping_sent_ = now;
}

void WebBrowser::engine_stopped(const char* reason) {
  stopped_reason_ = reason;
  webkit_web_view_terminate_web_process(view_);
}

void WebBrowser::post(std::function<void()> event) {
  events_.push_back(std::move(event));
  if (events_source_) return;
  events_source_ = g_idle_add_full(
      G_PRIORITY_DEFAULT,
      +[](gpointer self) -> gboolean {
        auto& browser = *static_cast<WebBrowser*>(self);
        browser.events_source_ = 0;
        // A handler may wait for the engine and so dispatch the events
        // behind it; what is left is taken up in order afterwards.
        while (!browser.events_.empty()) {
          auto event = std::move(browser.events_.front());
          browser.events_.pop_front();
          deliver(event);
        }
        return G_SOURCE_REMOVE;
      },
      this, nullptr);
}

void WebBrowser::on_load_changed(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  const bool current = browser.started_generation_ == browser.generation_;
  switch (event) {
    case WEBKIT_LOAD_STARTED:
      browser.started_generation_ = browser.generation_;
      browser.ready_state_ = 1;
      browser.post([&browser] { browser.download_begin_.emit(); });
      break;
    case WEBKIT_LOAD_REDIRECTED:
      break;
    case WEBKIT_LOAD_COMMITTED:
      browser.committed_ = true;
      ++browser.commits_;
      // A question to the page before this one may never be answered: the
      // engine can give a new document a new process.
      browser.ping_.reset();
      if (current) browser.ready_state_ = 3;
      break;
    case WEBKIT_LOAD_FINISHED:
      if (current) browser.ready_state_ = 4;
      browser.post([&browser] { browser.download_complete_.emit(); });
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
  std::string url = uri ? uri : "";
  // The program's own documents stand for the blank page they replace.
  if (url == browser.document_address_) url = BlankAddress;
  browser.post([&browser, url = std::move(url)] { browser.before_navigate2_.emit(url); });
  return FALSE;
}

void WebBrowser::on_mouse_target_changed(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  const char* link = webkit_hit_test_result_context_is_link(hit) ? webkit_hit_test_result_get_link_uri(hit) : "";
  browser.post([&browser, text = std::string(link ? link : "")] { browser.status_text_change_.emit(text); });
}

void WebBrowser::on_web_process_terminated(WebKitWebView*, WebKitWebProcessTerminationReason reason, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  if (!browser.stopped_reason_) browser.stopped_reason_ = termination_text(reason);
  browser.committed_ = false;
  browser.page_accessibility_.forget();
  browser.ping_.reset();
  browser.document_elements_ = 0;
  if (browser.dialog_) webkit_script_dialog_unref(std::exchange(browser.dialog_, nullptr));
  // A load the process took with it never completes; the Stop command
  // follows it all the same.
  if (browser.ready_state_ < 4) browser.post([&browser] { browser.download_complete_.emit(); });
  if (browser.waits_ > 0) return;  // the wait reports it
  // Nothing waits: report it here, once, and show an empty document rather
  // than what the dead process left on the screen, unless a new request has
  // come first.
  browser.post(
      [&browser, message = "The HTML engine stopped: " + *browser.stopped_reason_, generation = browser.generation_] {
        if (browser.generation_ != generation) return;
        browser.load(std::make_unique<StringSnapshot>(""), "UTF-8");
        throw Error(message);
      });
}

gboolean WebBrowser::on_script_dialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self) {
  auto& browser = *static_cast<WebBrowser*>(self);
  if (browser.dialog_) webkit_script_dialog_unref(browser.dialog_);
  browser.dialog_ = webkit_script_dialog_ref(dialog);
  browser.dialog_opened_ = g_get_monotonic_time();
  return FALSE;  // the engine shows it
}

void WebBrowser::on_has_tooltip(GObject*, GParamSpec*, gpointer self) {
  // The engine turns tooltips on for titled elements; the preview shows none.
  auto& browser = *static_cast<WebBrowser*>(self);
  if (gtk_widget_get_has_tooltip(GTK_WIDGET(browser.view_)))
    gtk_widget_set_has_tooltip(GTK_WIDGET(browser.view_), FALSE);
}

}  // namespace tagpad
