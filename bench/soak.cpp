// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Memory of the program's own process over a long session, as a user would
// spend it:
//
//   run/new   Run of a 100 KB document, then New, 5,000 times
//   address   5,000 address entries alternating between two local pages
//
// Each phase prints the resident memory at cycle 100 and at its end, and the
// growth between them (goal: at most 5 %). The web process is not counted:
// the engine replaces it as it sees fit.
//
// Usage: bench_soak [cycles]   (run under X, e.g. xvfb-run -a)
#include "core/code_page.h"
#include "core/posix_file_system.h"
#include "gtk/error_display.h"
#include "gtk/toolkit_setup.h"
#include "gtk/unit1.h"
#include "support/fake_file_chooser.h"
#include "support/fake_message_boxes.h"
#include "support/fake_printing.h"

#include <glib.h>
#include <gtkmm/main.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace tagpad {
namespace {

constexpr int Warmup = 100;
constexpr double Goal = 5.0;

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

void drain_main_loop() {
  while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
}

// Runs `cycle` `cycles` times and prints the growth after the warm-up;
// returns whether the goal was met.
bool phase(const char* name, int cycles, const std::function<void(int)>& cycle) {
  long at_warmup = 0;
  for (int i = 0; i < cycles; ++i) {
    cycle(i);
    if (i + 1 == std::min(Warmup, cycles)) at_warmup = resident_kb();
  }
  const long at_end = resident_kb();
  const double growth = 100.0 * static_cast<double>(at_end - at_warmup) / static_cast<double>(at_warmup);
  std::printf("%-8s %5d cycles: %7.1f MB at cycle %d, %7.1f MB at the end, growth %+.1f %% (goal <= %.0f %%)\n", name,
              cycles, at_warmup / 1024.0, std::min(Warmup, cycles), at_end / 1024.0, growth, Goal);
  return growth <= Goal;
}

int run(int cycles) {
  CodePage code_page = CodePage::named("UTF-8");
  FakeMessageBoxes boxes;
  ErrorDisplay error_display{boxes};
  FakeFileChooser chooser;
  PosixFileSystem files;
  FakePrinterCatalogue printers;
  FakePrintDialogs print_dialogs;
  Services services{code_page, boxes, "/tmp/", chooser, files, printers, print_dialogs};
  auto form = TForm1::create(services);
  form->show();

  const std::string text = document(100 * 1000);
  bool met = phase("run/new", cycles, [&](int) {
    form->Memo.set_text(text);
    form->Action5Execute();
    form->Action1Execute();
    drain_main_loop();
  });

  const auto folder = std::filesystem::temp_directory_path() / ("tagpad-soak-" + std::to_string(g_random_int()));
  std::filesystem::create_directories(folder);
  const std::string pages[] = {(folder / "a.html").string(), (folder / "b.html").string()};
  for (const std::string& page : pages) std::ofstream(page) << document(10 * 1000);
  met = phase("address", cycles,
              [&](int i) {
                form->Edit1.set_text(pages[i % 2]);
                char key = '\r';
                form->Edit1KeyPress(key);
                while (form->WebBrowser.ready_state() < 4) g_main_context_iteration(nullptr, TRUE);
                drain_main_loop();
              }) &&
        met;
  std::filesystem::remove_all(folder);

  if (!boxes.errors.empty()) {
    std::fprintf(stderr, "%zu errors were reported, the first: %s\n", boxes.errors.size(), boxes.errors[0].c_str());
    return 1;
  }
  return met ? 0 : 1;
}

}  // namespace
}  // namespace tagpad

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "bench_soak needs a display (run it under xvfb-run -a)\n");
    return 2;
  }
  Gtk::Main::init_gtkmm_internals();
  tagpad::prepare_toolkit();
  const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
  return tagpad::run(cycles);
}
