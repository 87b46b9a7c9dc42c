// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/error.h"
#include "core/preview_loader.h"
#include "form_fixture.h"
#include "gtk/deliver.h"

#include <gio/gio.h>
#include <glib.h>
#include <unistd.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace tagpad {
namespace {

// The command name and parent of a process, from /proc.
struct ProcessInfo {
  std::string name;
  pid_t parent = 0;
};

ProcessInfo process_info(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const auto open = line.find('('), close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos) return {};
  ProcessInfo info{line.substr(open + 1, close - open - 1), 0};
  char state = 0;
  std::sscanf(line.c_str() + close + 1, " %c %d", &state, &info.parent);
  return info;
}

// The NAME=value entries a process started with, or null when it cannot
// be read.
std::optional<std::vector<std::string>> environment_of(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/environ", std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::string> entries;
  for (std::string entry; std::getline(file, entry, '\0');) entries.push_back(entry);
  return entries;
}

std::optional<std::vector<std::string>> webkit_variables(const std::optional<std::vector<std::string>>& environment) {
  if (!environment) return std::nullopt;
  std::vector<std::string> found;
  for (const std::string& entry : *environment)
    if (entry.starts_with("WEBKIT_")) found.push_back(entry);
  return found;
}

struct WebProcess {
  pid_t pid;
  // The names of the processes between this one and the web process,
  // outermost first.
  std::vector<std::string> ancestry;
};

// Each live web process descending from this one.
std::vector<WebProcess> web_processes() {
  std::vector<WebProcess> found;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t web_process = std::stoi(name);
    pid_t pid = web_process;
    ProcessInfo info = process_info(pid);
    if (info.name != "WebKitWebProces") continue;
    std::vector<std::string> chain;
    while (info.parent > 1 && info.parent != getpid()) {
      pid = info.parent;
      info = process_info(pid);
      chain.insert(chain.begin(), info.name);
    }
    if (info.parent == getpid()) found.push_back({web_process, chain});
  }
  return found;
}

/// The window with the engine driven into traps. Each blocking command runs
/// under a watchdog that kills the engine after 15 s, so a trap that holds
/// fails the test instead of hanging it.
class EngineTrapTest : public FormTest {
 protected:
  template <typename Command>
  void guarded(Command command, guint watchdog_seconds = 15) {
    bool fired = false;
    watchdog_data_ = {&parts->WebBrowser, &fired};
    const guint watchdog = g_timeout_add_seconds(
        watchdog_seconds,
        +[](gpointer data) -> gboolean {
          auto& [browser, fired] = *static_cast<std::pair<WebBrowser*, bool*>*>(data);
          *fired = true;
          browser->terminate_engine();
          return G_SOURCE_REMOVE;
        },
        &watchdog_data_);
    deliver(command);
    if (!fired) g_source_remove(watchdog);
    EXPECT_FALSE(fired) << "the engine held the command until the watchdog ended it";
  }
  void run(const std::string& text) {
    parts->Memo.set_text(text);
    guarded([&] { form->Action5Execute(); });
  }
  // Whether the next Run renders at once and reports nothing more.
  void expect_next_run_works() {
    const std::size_t reports = boxes.errors.size();
    run("<p>next</p>");
    EXPECT_NE(preview_html().find("<p>next</p>"), std::string::npos);
    EXPECT_EQ(boxes.errors.size(), reports);
  }
  WebKitWebView* view() { return WEBKIT_WEB_VIEW(parts->WebBrowser.widget().gobj()); }
  // Counts the script dialogs the page opens.
  void watch_dialogs() {
    g_signal_connect(view(), "script-dialog", G_CALLBACK(+[](WebKitWebView*, WebKitScriptDialog*, gpointer count) {
                       ++*static_cast<int*>(count);
                       return FALSE;
                     }),
                     &dialogs_);
  }

  // Whether the engine shows a script dialog over the page.
  bool dialog_shown() {
    bool shown = false;
    gtk_container_forall(
        GTK_CONTAINER(view()),
        +[](GtkWidget* child, gpointer shown) {
          if (gtk_widget_get_visible(child)) *static_cast<bool*>(shown) = true;
        },
        &shown);
    return shown;
  }

  std::pair<WebBrowser*, bool*> watchdog_data_{};
  int dialogs_ = 0;
};

const std::vector<std::string> NotResponding{"The HTML engine stopped: not responding."};

TEST_F(EngineTrapTest, APageSpinningWhileRunIsEndedOnceAndTheNextRunWorks) {
  parts->Memo.set_text("<p>before</p><script>for (;;) {}</script>");
  guarded([&] { form->Action5Execute(); });
  EXPECT_EQ(boxes.errors, NotResponding);
  EXPECT_EQ(parts->Memo.text(), "<p>before</p><script>for (;;) {}</script>");
  expect_next_run_works();
}

TEST_F(EngineTrapTest, APageSpinningWhileAPictureOfItNeverArrivesIsEndedOnce) {
  // A server on the loopback interface that takes the request and never
  // answers keeps the page loading.
  GError* error = nullptr;
  GSocketService* server = g_socket_service_new();
  const guint16 port = g_socket_listener_add_any_inet_port(G_SOCKET_LISTENER(server), nullptr, &error);
  ASSERT_NE(port, 0) << error->message;
  std::vector<GSocketConnection*> held;
  g_signal_connect(
      server, "incoming", G_CALLBACK(+[](GSocketService*, GSocketConnection* connection, GObject*, gpointer held) {
        static_cast<std::vector<GSocketConnection*>*>(held)->push_back(G_SOCKET_CONNECTION(g_object_ref(connection)));
        return TRUE;
      }),
      &held);
  const std::string text = "<p>waiting</p><img src=\"http://127.0.0.1:" + std::to_string(port) +
                           "/never.png\"><script>setTimeout(() => { for (;;) {} }, 100);</script>";
  parts->Memo.set_text(text);
  guarded([&] { form->Action5Execute(); });
  EXPECT_EQ(boxes.errors, NotResponding);
  EXPECT_EQ(parts->Memo.text(), text);
  expect_next_run_works();
  g_socket_service_stop(server);
  g_socket_listener_close(G_SOCKET_LISTENER(server));
  for (GSocketConnection* connection : held) g_object_unref(connection);
  g_object_unref(server);
}

TEST_F(EngineTrapTest, ATwentyMegabyteDocumentRendersUnderTheMemoryLimit) {
  // Laid out while it parses, such a document keeps the engine from
  // answering for seconds at a time; that is no hung page.
  static const std::string line = "<p class=\"body\">The quick brown fox jumps over the lazy dog, twice.</p>\n";
  std::string text = "<title>Large</title>\n";
  while (text.size() + line.size() <= 20'000'000) text += line;
  parts->Memo.set_text(text);
  guarded([&] { form->Action5Execute(); }, 600);
  EXPECT_TRUE(boxes.errors.empty()) << boxes.errors[0];
  EXPECT_EQ(form->get_title(), "Large  Tagpad");
  auto document = parts->WebBrowser.document();
  ASSERT_TRUE(document);
  EXPECT_EQ(document->title(), "Large");
}

TEST_F(EngineTrapTest, APageThatStartsSpinningAfterItsLoadIsEndedOnce) {
  const std::string text = "<script>function spin() { setTimeout(() => { for (;;) {} }, 0); }</script>";
  run(text);
  EXPECT_TRUE(boxes.errors.empty());
  // Set going from outside, so that nothing of the program waits on it.
  webkit_web_view_evaluate_javascript(view(), "spin()", -1, nullptr, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(iterate_until([&] { return !boxes.errors.empty(); }, 15));
  EXPECT_EQ(boxes.errors, NotResponding);
  EXPECT_EQ(parts->Memo.text(), text);
  expect_next_run_works();
}

TEST_F(EngineTrapTest, AnEngineDyingWhileIdleIsReportedOnceAndLeavesAnEmptyDocument) {
  run("<p>shown</p>");
  parts->WebBrowser.terminate_engine();
  ASSERT_TRUE(iterate_until([&] { return !boxes.errors.empty() && parts->WebBrowser.ready_state() == 4; }));
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"The HTML engine stopped: terminated."});
  EXPECT_EQ(preview_html(), "<head></head><body></body>");
  EXPECT_EQ(parts->Memo.text(), "<p>shown</p>");
  expect_next_run_works();
}

TEST_F(EngineTrapTest, RunNewAddressAndSourceViewCloseAPendingScriptDialog) {
  watch_dialogs();
  const std::string alerting = "<p>alert</p><script>onload = () => setTimeout(() => alert('open'), 0);</script>";
  run(alerting);
  ASSERT_TRUE(iterate_until([&] { return dialogs_ == 1 && dialog_shown(); }));
  expect_next_run_works();
  EXPECT_FALSE(dialog_shown());

  run(alerting);
  ASSERT_TRUE(iterate_until([&] { return dialogs_ == 2; }));
  guarded([&] { form->Action10Execute(); });
  EXPECT_NE(parts->Memo.text().find("<p>alert</p>"), std::string::npos);

  parts->Edit1.set_text("javascript:alert(1)");
  char enter = '\r';
  guarded([&] { form->Edit1KeyPress(enter); });
  ASSERT_TRUE(iterate_until([&] { return dialogs_ == 3; }));
  guarded([&] { form->Action1Execute(); });
  EXPECT_EQ(preview_html(), "<head></head><body></body>");
  EXPECT_TRUE(boxes.errors.empty());
  expect_next_run_works();
}

TEST_F(EngineTrapTest, RunPagesGetNoUserGestureAndCannotReadLocalFiles) {
  run("<title>before</title><script>document.title = document.execCommand('copy') ? 'copied' : 'refused';</script>");
  EXPECT_EQ(form->get_title(), "refused  Tagpad");
  run("<script>fetch('file:///etc/hostname').then(() => document.title = 'read', () => document.title = "
      "'failed');</script>");
  std::string title;
  ASSERT_TRUE(iterate_until([&] {
    title = parts->WebBrowser.document()->title();
    return title == "read" || title == "failed";
  }));
  EXPECT_EQ(title, "failed");
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(EngineTrapTest, TheEngineRunsSandboxedWithoutDeveloperExtrasAndFailsOnTlsErrors) {
  run("<p>x</p>");
  const auto processes = web_processes();
  ASSERT_EQ(processes.size(), 1u);
  const auto& ancestry = processes[0].ancestry;
  EXPECT_NE(std::find(ancestry.begin(), ancestry.end(), "bwrap"), ancestry.end());
  // The engine's debugging switches (an inspector server, a disabled
  // sandbox) are for nobody to set for the user.
  EXPECT_EQ(webkit_variables(environment_of(processes[0].pid)), std::optional(std::vector<std::string>{}));
  // This process's own, setenv's changes included.
  EXPECT_EQ(webkit_variables(std::vector<std::string>(environ, environ + g_strv_length(environ))),
            std::optional(std::vector<std::string>{}));
  EXPECT_FALSE(webkit_settings_get_enable_developer_extras(webkit_web_view_get_settings(view())));
  EXPECT_EQ(webkit_website_data_manager_get_tls_errors_policy(webkit_web_view_get_website_data_manager(view())),
            WEBKIT_TLS_ERRORS_POLICY_FAIL);
}

TEST_F(EngineTrapTest, ClosingTheWindowEndsASpinningWebProcessAtOnce) {
  run("<script>function spin() { setTimeout(() => { for (;;) {} }, 0); }</script>");
  bool spinning = false;
  webkit_web_view_evaluate_javascript(
      view(), "spin()", -1, nullptr, nullptr, nullptr,
      +[](GObject*, GAsyncResult*, gpointer spinning) { *static_cast<bool*>(spinning) = true; }, &spinning);
  ASSERT_TRUE(iterate_until([&] { return spinning; }));
  ASSERT_EQ(web_processes().size(), 1u);
  parts.reset();
  form.reset();
  EXPECT_TRUE(iterate_until([] { return web_processes().empty(); }, 2));
}

TEST_F(EngineTrapTest, APageOverItsMemoryLimitIsEndedOnceAndTheNextLoadWorks) {
  WebBrowser browser(code_page_, 300);
  LoadHtmlIntoBrowser(browser,
                      "<script>const kept = []; setInterval(() => { for (let i = 0; i < 200000; ++i) "
                      "kept.push({i, s: 'x'.repeat(20)}); }, 10);</script>");
  // The engine checks its memory only every few seconds and first tries to
  // shrink: the kill comes 15 to 20 s in on an idle machine, later under load.
  ASSERT_TRUE(iterate_until([&] { return !boxes.errors.empty(); }, 90));
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"The HTML engine stopped: exceeded its memory limit."});
  LoadHtmlIntoBrowser(browser, "<p>small</p>");
  EXPECT_NE(browser.document()->inner_html().find("<p>small</p>"), std::string::npos);
  EXPECT_EQ(boxes.errors.size(), 1u);
}

}  // namespace
}  // namespace tagpad
