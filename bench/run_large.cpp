// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Run of a 20 MB document, to the first frame drawn after the engine has
// finished loading it, against a bare WebKitGTK view loading the same bytes
// with load_bytes, alternately in one process (goal: at most 1.5 times the
// bare view). Also prints the longest main-loop stall while Tagpad's Run
// works (goal: under 100 ms), so that the source pane stays responsive.
//
// Run it with and without an accessibility bus: under dbus-run-session the
// toolkit reaches one; NO_AT_BRIDGE=1 keeps it away.
//
// Usage: bench_run_large [runs | --quick]   (run under X, e.g. xvfb-run -a)
#include "harness/bench_window.h"
#include "harness/main_loop.h"
#include "harness/result.h"

#include <glib.h>
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace tagpad::bench {
namespace {

constexpr std::size_t Size = 20 * 1000 * 1000;
constexpr double Goal = 1.5;
constexpr double StallGoalMs = 100;
constexpr guint StallTickMs = 5;

std::string document() {
  static const std::string line = "<p class=\"body\">The quick brown fox jumps over the lazy dog, twice.</p>\n";
  std::string text = "<title>Large</title>\n";
  while (text.size() + line.size() <= Size) text += line;
  return text;
}

// Waits until `window` has drawn a frame after this call.
void wait_for_frame(GtkWidget* window) {
  bool drawn = false;
  GdkFrameClock* clock = gtk_widget_get_frame_clock(window);
  const gulong id =
      g_signal_connect_swapped(clock, "after-paint", G_CALLBACK(+[](bool* drawn) { *drawn = true; }), &drawn);
  gtk_widget_queue_draw(window);
  iterate_until([&] { return drawn; }, "a frame");
  g_signal_handler_disconnect(clock, id);
}

double seconds_since(gint64 start) { return static_cast<double>(g_get_monotonic_time() - start) / G_USEC_PER_SEC; }

// The longest gap between ticks of a 5 ms timer while it lives.
class StallWatch {
 public:
  StallWatch() : last_(g_get_monotonic_time()) {
    id_ = g_timeout_add(
        StallTickMs,
        +[](gpointer self) -> gboolean {
          auto& watch = *static_cast<StallWatch*>(self);
          const gint64 now = g_get_monotonic_time();
          watch.longest_ = std::max(watch.longest_, now - watch.last_);
          watch.last_ = now;
          return G_SOURCE_CONTINUE;
        },
        this);
  }
  ~StallWatch() { g_source_remove(id_); }
  double longest_ms() const { return static_cast<double>(longest_) / 1000.0; }

 private:
  guint id_ = 0;
  gint64 last_;
  gint64 longest_ = 0;
};

class BareView {
 public:
  BareView() : window_(gtk_window_new(GTK_WINDOW_TOPLEVEL)), view_(webkit_web_view_new()) {
    gtk_window_set_default_size(GTK_WINDOW(window_), 792, 400);
    gtk_container_add(GTK_CONTAINER(window_), view_);
    gtk_widget_show_all(window_);
  }
  ~BareView() { gtk_widget_destroy(window_); }

  double load(const std::string& text) {
    webkit_web_view_load_html(WEBKIT_WEB_VIEW(view_), "", "about:blank");
    wait_finished();
    drain_main_loop();
    GBytes* bytes = g_bytes_new(text.data(), text.size());
    const gint64 start = g_get_monotonic_time();
    webkit_web_view_load_bytes(WEBKIT_WEB_VIEW(view_), bytes, "text/html", "UTF-8", "about:blank");
    g_bytes_unref(bytes);
    wait_finished();
    wait_for_frame(window_);
    return seconds_since(start);
  }

 private:
  void wait_finished() {
    bool finished = false;
    const gulong id =
        g_signal_connect(view_, "load-changed", G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent event, bool* finished) {
                           if (event == WEBKIT_LOAD_FINISHED) *finished = true;
                         }),
                         &finished);
    iterate_until([&] { return finished; }, "the bare view's load");
    g_signal_handler_disconnect(view_, id);
  }

  GtkWidget* window_;
  GtkWidget* view_;
};

int run(int runs) {
  BenchWindow window;
  BareView bare;
  const std::string text = document();

  std::vector<double> tagpad, baseline;
  double stall_ms = 0;
  for (int i = 0; i < runs; ++i) {
    baseline.push_back(bare.load(text));

    window->Action1Execute();
    window.parts().Memo.set_text(text);
    drain_main_loop();
    const gint64 start = g_get_monotonic_time();
    {
      StallWatch watch;
      window->Action5Execute();
      iterate_until([&] { return window.parts().WebBrowser.ready_state() == 4; }, "the Run's load");
      stall_ms = std::max(stall_ms, watch.longest_ms());
    }
    wait_for_frame(GTK_WIDGET(window->gobj()));
    tagpad.push_back(seconds_since(start));
    if (window->get_title() != "Large  Tagpad") {
      std::fprintf(stderr, "the Run did not show the document (caption \"%s\")\n", window->get_title().c_str());
      return 1;
    }
  }
  if (!window.boxes.errors.empty()) {
    std::fprintf(stderr, "error reported: %s\n", window.boxes.errors[0].c_str());
    return 1;
  }
  // Baseline: the bare view's load_bytes of the same text.
  report_ratio("run_20mb", median(tagpad), median(baseline), "s", Goal);
  report_below("run_stall", stall_ms, "ms", StallGoalMs);
  return 0;
}

}  // namespace
}  // namespace tagpad::bench

int main(int argc, char** argv) {
  tagpad::bench::start_toolkit(argc, argv, "bench_run_large");
  return tagpad::bench::run(tagpad::bench::repetitions(argc, argv, 3, 1));
}
