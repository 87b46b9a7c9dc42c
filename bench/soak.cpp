// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Memory of the program's own process over a long session, as a user would
// spend it:
//
//   run/new   Run of a 100 KB document, then New, 5,000 times
//   address   5,000 address entries alternating between two local pages
//
// Each phase reports the resident memory at its end against that at cycle
// 100 (goal: at most 5 % growth, a ratio of 1.05). The web process is not
// counted: the engine replaces it as it sees fit.
//
// Usage: bench_soak [cycles | --quick]   (run under X, e.g. xvfb-run -a)
#include "harness/bench_window.h"
#include "harness/main_loop.h"
#include "harness/result.h"

#include <glib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace tagpad::bench {
namespace {

constexpr int Warmup = 100;
constexpr double Growth = 1.05;

// Resident memory of this process in kilobytes.
long resident_kb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

std::string document(std::size_t size) {
  static const std::string line = "<p class=\"body\">The quick brown fox jumps over the lazy dog, twice.</p>\n";
  std::string text = "<title>Soak</title>\n";
  while (text.size() + line.size() <= size) text += line;
  return text;
}

// Runs `cycle` `cycles` times and reports the memory at the end against
// the memory after the warm-up.
void phase(const char* name, int cycles, const std::function<void(int)>& cycle) {
  long at_warmup = 0;
  for (int i = 0; i < cycles; ++i) {
    cycle(i);
    if (i + 1 == std::min(Warmup, cycles)) at_warmup = resident_kb();
  }
  const long at_end = resident_kb();
  std::printf("%s: resident memory after %d cycles against after cycle %d\n", name, cycles, std::min(Warmup, cycles));
  report_ratio(name, at_end / 1024.0, at_warmup / 1024.0, "MB", Growth);
}

int run(int cycles) {
  BenchWindow window;
  const std::string text = document(100 * 1000);
  phase("run_new", cycles, [&](int) {
    window.parts().Memo.set_text(text);
    window->Action5Execute();
    window->Action1Execute();
    drain_main_loop();
  });

  const auto folder = std::filesystem::temp_directory_path() / ("tagpad-soak-" + std::to_string(g_random_int()));
  std::filesystem::create_directories(folder);
  const std::string pages[] = {(folder / "a.html").string(), (folder / "b.html").string()};
  for (const std::string& page : pages) std::ofstream(page) << document(10 * 1000);
  phase("address", cycles, [&](int i) {
    window.parts().Edit1.set_text(pages[i % 2]);
    char key = '\r';
    window->Edit1KeyPress(key);
    iterate_until([&] { return window.parts().WebBrowser.ready_state() == 4; }, "the page's load");
    drain_main_loop();
  });
  std::filesystem::remove_all(folder);

  if (!window.boxes.errors.empty()) {
    std::fprintf(stderr, "%zu errors were reported, the first: %s\n", window.boxes.errors.size(),
                 window.boxes.errors[0].c_str());
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace tagpad::bench

int main(int argc, char** argv) {
  tagpad::bench::start_toolkit(argc, argv, "bench_soak");
  return tagpad::bench::run(tagpad::bench::repetitions(argc, argv, 5000, 300));
}
