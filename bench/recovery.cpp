// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// What keeping the user's text costs, in the main window with a 20 MB text:
//
//   recovery_stall    the longest main-loop stall while a recovery copy is
//                     read and written, against the same window idle for as
//                     long (goal: under 50 ms)
//   recovery_keys     a keystroke while a copy is being taken
//                     vs a keystroke in the same window keeping no copies
//   undo_new_memory   resident memory that the undo step of New on the 20 MB
//                     text holds once the program has settled, over the
//                     text's size (goal: under 1.5)
//   undo_open_memory  the same for opening a different 20 MB file over it
//
// Usage: bench_recovery [runs | --quick]   (run under X, e.g. xvfb-run -a)
#include "harness/bench_window.h"
#include "harness/main_loop.h"
#include "harness/result.h"
#include "support/key_press.h"
#include "support/temp_folder.h"

#include <glib.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace tagpad::bench {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t TextSize = 20'000'000;
constexpr int TickMs = 5;

std::string markup(std::size_t size, char variant) {
  std::string line = "<p class=\"body\">The quick brown fox jumps over the lazy dog, twice.</p>\n";
  line[1] = variant;
  std::string text;
  text.reserve(size + line.size());
  while (text.size() + line.size() <= size) text += line;
  return text;
}

double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The longest gap between ticks of a 5 ms timer, less the timer's period.
class StallWatch {
 public:
  StallWatch() : last_(Clock::now()) {
    id_ = g_timeout_add(
        TickMs,
        +[](gpointer self) -> gboolean {
          auto& watch = *static_cast<StallWatch*>(self);
          const auto now = Clock::now();
          watch.longest_ = std::max(watch.longest_, milliseconds(now - watch.last_) - TickMs);
          watch.last_ = now;
          return G_SOURCE_CONTINUE;
        },
        this);
  }
  ~StallWatch() { g_source_remove(id_); }
  double longest_ms() const { return longest_; }

 private:
  guint id_ = 0;
  Clock::time_point last_;
  double longest_ = 0;
};

void run_for(Clock::duration how_long) {
  const auto until = Clock::now() + how_long;
  iterate_until([&] { return Clock::now() >= until; }, "the time to pass");
}

void type_into(BenchWindow& window, const std::string& text) {
  window.parts().Memo.set_text(text);
  window.parts().Memo.view().grab_focus();
  window.parts().memo_target.set_selection(window.parts().memo_target.length() / 2, 0);
  drain_main_loop();
}

double keystroke_ms(BenchWindow& window) {
  const auto start = Clock::now();
  press(window.parts().Memo.view(), GDK_KEY_a, GdkModifierType(0));
  drain_main_loop();
  return milliseconds(Clock::now() - start);
}

// Resident memory now and at its peak since the last reset, in bytes.
struct Memory {
  double resident = 0, peak = 0;
};

Memory memory() {
  std::ifstream status("/proc/self/status");
  Memory m;
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) m.resident = std::stod(line.substr(6)) * 1024;
    if (line.rfind("VmHWM:", 0) == 0) m.peak = std::stod(line.substr(6)) * 1024;
  }
  return m;
}

void reset_peak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Settled: the main loop idle and freed memory given back.
double settled_resident() {
  drain_main_loop();
  malloc_trim(0);
  return memory().resident;
}

// What the undo step of `replace` holds once settled, over the text's size;
// prints the peak too.
double undo_step_share(const char* name, const std::function<void(BenchWindow&)>& replace) {
  BenchWindow window;
  type_into(window, markup(TextSize, 'p'));
  const double before = settled_resident();
  reset_peak();
  replace(window);
  const double peak = memory().peak;
  const double after = settled_resident();
  std::printf("%-16s peak +%.1f MB, settled +%.1f MB over a %.1f MB text\n", name, (peak - before) / 1e6,
              (after - before) / 1e6, TextSize / 1e6);
  return (after - before) / TextSize;
}

int run(int runs) {
  TempFolder state;
  BenchWindow keeping("UTF-8", state / "recovery");
  BenchWindow plain;
  const std::string text = markup(TextSize, 'p');

  std::vector<double> copy_stalls, idle_stalls, keys_copying, keys_plain;
  for (int i = 0; i < runs; ++i) {
    type_into(keeping, text);
    {
      StallWatch watch;
      // A key, then the pause after which the copy is taken and written.
      keystroke_ms(keeping);
      iterate_until([&] { return keeping.parts().recovery.copying(); }, "a copy to start");
      iterate_until([&] { return !keeping.parts().recovery.copying(); }, "the copy to end");
      copy_stalls.push_back(watch.longest_ms());
    }
    {
      StallWatch watch;
      run_for(std::chrono::seconds(3));
      idle_stalls.push_back(watch.longest_ms());
    }
    // Keys typed while copies are taken: steady typing brings one every 5 s.
    const auto until = Clock::now() + std::chrono::seconds(11);
    while (Clock::now() < until) {
      const bool copying = keeping.parts().recovery.copying();
      const double ms = keystroke_ms(keeping);
      if (copying) keys_copying.push_back(ms);
      run_for(std::chrono::milliseconds(20));
    }
    type_into(plain, text);
    for (int k = 0; k < 100; ++k) {
      keys_plain.push_back(keystroke_ms(plain));
      run_for(std::chrono::milliseconds(20));
    }
  }
  std::printf("recovery_stall   idle window's longest stall: min %.1f median %.1f max %.1f ms\n",
              *std::min_element(idle_stalls.begin(), idle_stalls.end()), median(idle_stalls),
              *std::max_element(idle_stalls.begin(), idle_stalls.end()));
  std::printf("recovery_stall   during a copy: min %.1f median %.1f max %.1f ms\n",
              *std::min_element(copy_stalls.begin(), copy_stalls.end()), median(copy_stalls),
              *std::max_element(copy_stalls.begin(), copy_stalls.end()));
  report_below("recovery_stall", median(copy_stalls), "ms", 50);
  if (keys_copying.empty()) return std::fprintf(stderr, "no key was typed while a copy was taken\n"), 1;
  std::printf("recovery_keys    %zu keys while copying\n", keys_copying.size());
  report_ratio("recovery_keys", median(keys_copying), median(keys_plain), "ms", 1.1);

  report_below("undo_new_memory", undo_step_share("undo_new_memory", [](BenchWindow& w) { w->Action1Execute(); }), "x",
               1.5);
  TempFolder files;
  write_file(files / "other.html", markup(TextSize, 'q'));
  report_below("undo_open_memory",
               undo_step_share("undo_open_memory",
                               [&](BenchWindow& w) {
                                 w.chooser.accept(files / "other.html");
                                 w->Action3Execute();
                               }),
               "x", 1.5);
  return 0;
}

}  // namespace
}  // namespace tagpad::bench

int main(int argc, char** argv) {
  tagpad::bench::start_toolkit(argc, argv, "bench_recovery");
  return tagpad::bench::run(tagpad::bench::repetitions(argc, argv, 3, 1));
}
