// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// How soon a wait for the HTML engine ends when the engine dies under it:
// the time from killing the web process, as a Run's load begins, to the Run
// ending with the death reported; against the time from a load's begin to the end of
// a Run that the engine completes, measured alternately in one process.
// Goal: the wait ends within 100 ms of the death.
//
// Usage: bench_engine_death [runs | --quick]   (run under X, e.g. xvfb-run -a)
#include "core/error.h"
#include "harness/bench_window.h"
#include "harness/main_loop.h"
#include "harness/result.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tagpad::bench {
namespace {

using Clock = std::chrono::steady_clock;

class Bench {
 public:
  Bench() { parts_.Memo.set_text("<title>T</title><p>a page of some length</p>"); }

  // Milliseconds from the load's begin to the end of Run; with `kill`, the
  // engine is terminated at that begin and Run must end with an error.
  double run(bool kill) {
    Clock::time_point begun{};
    sigc::connection begin = parts_.WebBrowser.signal_download_begin().connect([&] {
      if (begun != Clock::time_point{}) return;
      begun = Clock::now();
      if (kill) parts_.WebBrowser.terminate_engine();
    });
    const std::size_t reports = window_.boxes.errors.size();
    bool failed = false;
    try {
      window_->Action5Execute();
    } catch (const Error&) {
      failed = true;
    }
    const auto ended = Clock::now();
    begin.disconnect();
    // The death may also be reported through the error display, after Run.
    drain_main_loop();
    failed = failed || window_.boxes.errors.size() > reports;
    if (failed != kill) {
      std::fprintf(stderr, kill ? "the wait did not end with an error\n" : "Run failed\n");
      std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(ended - begun).count();
  }

 private:
  BenchWindow window_;
  TForm1::Testing parts_ = window_.parts();
};

int run(int runs) {
  Bench bench;
  bench.run(false);  // the first Run also starts the web process
  std::vector<double> deaths;
  std::vector<double> completions;
  for (int i = 0; i < runs; ++i) {
    deaths.push_back(bench.run(true));
    completions.push_back(bench.run(false));
  }
  std::printf("a completed Run takes %.1f ms from its load's begin (median of %d)\n", median(completions), runs);
  report_below("engine_death", median(deaths), "ms", 100);
  return 0;
}

}  // namespace
}  // namespace tagpad::bench

int main(int argc, char** argv) {
  tagpad::bench::start_toolkit(argc, argv, "bench_engine_death");
  return tagpad::bench::run(tagpad::bench::repetitions(argc, argv, 9, 3));
}
