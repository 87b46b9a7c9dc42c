// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Opening and saving a 20 MB CP949 HTML file through the main window, each
// against a bare GtkSourceView doing the same work by hand, run side by
// side, each run in a fresh process of its own so that peak memory is its own:
//
//   open     from the open dialog's answer to the first frame showing the
//            text (Action3Execute)
//            vs reading the file, decoding it with iconv and set_text into a
//            bare GtkSourceView in a 968x310 window, to its first frame
//   stall    the longest gap between ticks of a 5 ms timer while the view
//            validates its lines in the background after that frame
//   memory   peak resident memory with the file open
//   save     Action2Execute to a new file
//            vs getting the text from the bare buffer, encoding it with
//            iconv and writing it with fsync
//
// Usage: bench_document_files [runs | --quick]   (run under X, e.g. xvfb-run -a)
#include "harness/bench_window.h"
#include "harness/main_loop.h"
#include "harness/result.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <gtk/gtk.h>
#include <gtkmm/window.h>
#include <gtksourceview/gtksource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tagpad::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t FileSize = 20 * 1000 * 1000;
constexpr int StallSeconds = 8;
constexpr int TimerMs = 5;

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peak_resident_kb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

// The longest gap between the ticks of a 5 ms timer over a few seconds.
double longest_stall_ms() {
  struct Ticks {
    Clock::time_point last = Clock::now();
    double longest = 0;
  } ticks;
  const guint timer = g_timeout_add(
      TimerMs,
      +[](gpointer data) -> gboolean {
        auto& ticks = *static_cast<Ticks*>(data);
        const auto now = Clock::now();
        ticks.longest = std::max(ticks.longest, std::chrono::duration<double, std::milli>(now - ticks.last).count());
        ticks.last = now;
        return G_SOURCE_CONTINUE;
      },
      &ticks);
  const auto start = Clock::now();
  while (ms_since(start) < StallSeconds * 1000) g_main_context_iteration(nullptr, TRUE);
  g_source_remove(timer);
  return ticks.longest;
}

// Fires once the widget has drawn a frame after arm().
class FrameWatch {
 public:
  explicit FrameWatch(GtkWidget* widget) {
    g_signal_connect_after(widget, "draw", G_CALLBACK(+[](GtkWidget*, cairo_t*, bool* drawn) {
                             *drawn = true;
                             return gboolean(FALSE);
                           }),
                           &drawn_);
  }
  void arm() { drawn_ = false; }
  bool drawn() const { return drawn_; }

 private:
  bool drawn_ = false;
};

struct Figures {
  double open_ms = 0;
  double stall_ms = 0;
  long peak_kb = 0;
  double save_ms = 0;
};

Figures subject(const std::string& file, const std::string& saved) {
  BenchWindow window("CP949");
  iterate_until([&] { return window.parts().WebBrowser.ready_state() == 4 && window.parts().Memo.view().get_mapped(); },
                "the window's start");
  drain_main_loop();
  FrameWatch frame(GTK_WIDGET(window.parts().Memo.view().gobj()));

  Figures figures;
  window.chooser.accept(file);
  frame.arm();
  auto start = Clock::now();
  window->Action3Execute();
  iterate_until([&] { return frame.drawn(); }, "the opened text's first frame");
  figures.open_ms = ms_since(start);
  if (window.parts().Memo.line_count() < 1000 || !window.boxes.errors.empty())
    std::fprintf(stderr, "open failed\n"), std::exit(1);
  figures.stall_ms = longest_stall_ms();
  figures.peak_kb = peak_resident_kb();

  window.chooser.accept(saved);
  start = Clock::now();
  window->Action2Execute();
  figures.save_ms = ms_since(start);
  if (!window.boxes.errors.empty())
    std::fprintf(stderr, "save failed: %s\n", window.boxes.errors[0].c_str()), std::exit(1);
  return figures;
}

Figures baseline(const std::string& file, const std::string& saved) {
  Gtk::Window window;
  window.set_default_size(968, 310);
  GtkWidget* view = gtk_source_view_new();
  GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_container_add(GTK_CONTAINER(scroller), view);
  gtk_container_add(GTK_CONTAINER(window.gobj()), scroller);
  window.show_all();
  iterate_until([&] { return gtk_widget_get_mapped(view); }, "the bare view's window");
  drain_main_loop();
  FrameWatch frame(view);
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(view));

  Figures figures;
  frame.arm();
  auto start = Clock::now();
  {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    gsize written = 0;
    std::unique_ptr<char, decltype(&g_free)> text(
        g_convert(bytes.data(), static_cast<gssize>(bytes.size()), "UTF-8", "CP949", nullptr, &written, nullptr),
        g_free);
    if (!text) std::fprintf(stderr, "iconv failed\n"), std::exit(1);
    gtk_text_buffer_set_text(buffer, text.get(), static_cast<int>(written));
  }
  iterate_until([&] { return frame.drawn(); }, "the bare view's first frame");
  figures.open_ms = ms_since(start);
  figures.stall_ms = longest_stall_ms();
  figures.peak_kb = peak_resident_kb();

  start = Clock::now();
  {
    GtkTextIter begin, end;
    gtk_text_buffer_get_bounds(buffer, &begin, &end);
    std::unique_ptr<char, decltype(&g_free)> text(gtk_text_buffer_get_text(buffer, &begin, &end, TRUE), g_free);
    gsize written = 0;
    std::unique_ptr<char, decltype(&g_free)> bytes(
        g_convert(text.get(), -1, "CP949", "UTF-8", nullptr, &written, nullptr), g_free);
    const int fd = ::open(saved.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!bytes || fd < 0 || ::write(fd, bytes.get(), written) != static_cast<ssize_t>(written) || ::fsync(fd) != 0)
      std::fprintf(stderr, "baseline save failed\n"), std::exit(1);
    ::close(fd);
  }
  figures.save_ms = ms_since(start);
  return figures;
}

// Lines of Korean markup in CP949, `size` bytes in all, with CR LF breaks.
std::string korean_html(std::size_t size) {
  const char* line = "<p class=\"본문\">한글 문서의 한 줄입니다: 가나다라마바사 0123456789 abcdefghij</p>\r\n";
  gsize written = 0;
  std::unique_ptr<char, decltype(&g_free)> bytes(g_convert(line, -1, "CP949", "UTF-8", nullptr, &written, nullptr),
                                                 g_free);
  std::string out;
  out.reserve(size + written);
  while (out.size() < size) out.append(bytes.get(), written);
  return out;
}

Figures child(const char* program, const char* kind, const std::string& file, const std::string& saved) {
  const char* argv[] = {program, "--child", kind, file.c_str(), saved.c_str(), nullptr};
  gchar* out = nullptr;
  gint status = -1;
  GError* error = nullptr;
  if (!g_spawn_sync(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out, nullptr,
                    &status, &error) ||
      !g_spawn_check_wait_status(status, nullptr)) {
    std::fprintf(stderr, "the %s run failed\n", kind);
    std::exit(1);
  }
  Figures figures;
  std::sscanf(out, "%lf %lf %ld %lf", &figures.open_ms, &figures.stall_ms, &figures.peak_kb, &figures.save_ms);
  g_free(out);
  return figures;
}

// The medians of one figure, ours against the bare view's (goal: at most 1.5 times).
void report(const char* what, const char* unit, const std::vector<Figures>& subjects,
            const std::vector<Figures>& baselines, const std::function<double(const Figures&)>& field) {
  std::vector<double> s, b;
  for (const Figures& f : subjects) s.push_back(field(f));
  for (const Figures& f : baselines) b.push_back(field(f));
  report_ratio(what, median(s), median(b), unit, 1.5);
}

int run(const char* program, int runs) {
  TempFolder folder;
  const std::string file = folder / "document.html";
  const std::string original = korean_html(FileSize);
  write_file(file, original);
  std::vector<Figures> subjects, baselines;
  for (int i = 0; i < runs; ++i) {
    baselines.push_back(child(program, "baseline", file, folder / "baseline.html"));
    subjects.push_back(child(program, "subject", file, folder / "subject.html"));
    if (read_file(folder / "subject.html") != original) return std::fprintf(stderr, "saved bytes differ\n"), 1;
  }
  report("open", "ms", subjects, baselines, [](const Figures& f) { return f.open_ms; });
  report("stall", "ms", subjects, baselines, [](const Figures& f) { return f.stall_ms; });
  report("memory", "MiB", subjects, baselines, [](const Figures& f) { return f.peak_kb / 1024.0; });
  report("save", "ms", subjects, baselines, [](const Figures& f) { return f.save_ms; });
  return 0;
}

}  // namespace
}  // namespace tagpad::bench

int main(int argc, char** argv) {
  using namespace tagpad::bench;
  start_toolkit(argc, argv, "bench_document_files");
  if (argc == 5 && std::strcmp(argv[1], "--child") == 0) {
    const bool is_subject = std::strcmp(argv[2], "subject") == 0;
    const Figures f = is_subject ? subject(argv[3], argv[4]) : baseline(argv[3], argv[4]);
    std::printf("%.3f %.3f %ld %.3f\n", f.open_ms, f.stall_ms, f.peak_kb, f.save_ms);
    return 0;
  }
  return run("/proc/self/exe", repetitions(argc, argv, 3, 1));
}
