// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// How soon a wait for the HTML engine ends when the engine dies under it:
// the time from killing the web process, as a Run's load begins, to the Run
// ending with the death reported; against the time from a load's begin to the end of
// a Run that the engine completes, measured alternately in one process.
// Goal: the wait ends within 100 ms of the death.
//
// Usage: bench_engine_death [runs]   (run under X, e.g. xvfb-run -a)
#include "core/code_page.h"
#include "core/error.h"
#include "core/posix_file_system.h"
#include "gtk/error_display.h"
#include "gtk/toolkit_setup.h"
#include "gtk/unit1_testing.h"
#include "support/fake_file_chooser.h"
#include "support/fake_message_boxes.h"
#include "support/fake_printing.h"

#include <gtk/gtk.h>
#include <gtkmm/main.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tagpad {
namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

class Bench {
 public:
  Bench() : form_(TForm1::create(services_)) {
    form_->show();
    parts_.Memo.set_text("<title>T</title><p>a page of some length</p>");
  }

  // Milliseconds from the load's begin to the end of Run; with `kill`, the
  // engine is terminated at that begin and Run must end with an error.
  double run(bool kill) {
    Clock::time_point begun{};
    sigc::connection begin = parts_.WebBrowser.signal_download_begin().connect([&] {
      if (begun != Clock::time_point{}) return;
      begun = Clock::now();
      if (kill) parts_.WebBrowser.terminate_engine();
    });
    const std::size_t reports = boxes_.errors.size();
    bool failed = false;
    try {
      form_->Action5Execute();
    } catch (const Error&) {
      failed = true;
    }
    const auto ended = Clock::now();
    begin.disconnect();
    // The death may also be reported through the error display, after Run.
    while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
    failed = failed || boxes_.errors.size() > reports;
    if (failed != kill) {
      std::fprintf(stderr, kill ? "the wait did not end with an error\n" : "Run failed\n");
      std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(ended - begun).count();
  }

 private:
  CodePage code_page_ = CodePage::named("UTF-8");
  FakeMessageBoxes boxes_;
  ErrorDisplay error_display_{boxes_};
  FakeFileChooser chooser_;
  PosixFileSystem files_;
  FakePrinterCatalogue printers_;
  FakePrintDialogs print_dialogs_;
  Services services_{code_page_, boxes_, "/tmp/", chooser_, files_, printers_, print_dialogs_};
  std::unique_ptr<TForm1> form_;
  TForm1::Testing parts_{*form_};
};

}  // namespace
}  // namespace tagpad

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
  gtk_init(&argc, &argv);
  Gtk::Main::init_gtkmm_internals();
  tagpad::prepare_toolkit();
  tagpad::Bench bench;
  bench.run(false);  // the first Run also starts the web process
  std::vector<double> deaths;
  std::vector<double> completions;
  for (int i = 0; i < runs; ++i) {
    deaths.push_back(bench.run(true));
    completions.push_back(bench.run(false));
  }
  const double death = tagpad::median(deaths);
  const double completion = tagpad::median(completions);
  std::printf(
      "engine death: the wait ends %.1f ms after the kill; a completed Run takes %.1f ms from its load's "
      "begin; ratio %.2f (median of %d; goal: under 100 ms)\n",
      death, completion, death / completion, runs);
  return death < 100 ? 0 : 1;
}
