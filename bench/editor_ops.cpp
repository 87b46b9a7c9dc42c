// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Editor operations in the main window, each against its baseline, run
// alternately in one process:
//
//   keystroke    one character typed into a 20 MB text
//                vs one typed into a 20 KB text
//   find next    1,000 find-next requests through a 20 MB text holding
//                1,000 evenly spaced matches
//                vs one request that scans the whole text and finds nothing
//   replace all  100,000 occurrences replaced in a 10 MB text
//                vs setting the resulting text into the pane once
//
// Every operation goes through the window as a user's would (key events,
// the dialogs' buttons) and ends when the main loop has nothing left to do,
// so the change handlers, command refresh and relayout are in the figure.
//
// Usage: bench_editor_ops [runs]   (run under X, e.g. xvfb-run -a)
#include "core/code_page.h"
#include "core/command.h"
#include "core/posix_file_system.h"
#include "gtk/error_display.h"
#include "gtk/toolkit_setup.h"
#include "gtk/unit1.h"
#include "support/fake_file_chooser.h"
#include "support/fake_message_boxes.h"
#include "support/fake_printing.h"
#include "support/key_press.h"

#include <gtk/gtk.h>
#include <gtkmm/main.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace tagpad {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t Kilobyte = 1000;
constexpr std::size_t Megabyte = 1000 * Kilobyte;
constexpr int Keystrokes = 200;
constexpr int FindRequests = 1000;
constexpr int Replacements = 100000;

// Until nothing is ready to run: idle validation of a large text included.
void drain_main_loop() {
  while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
}

// Lines of ordinary markup, `size` bytes in all, with `marker` placed
// `marks` times at even distances (at the start of a line).
std::string markup(std::size_t size, const std::string& marker = {}, int marks = 0) {
  static const std::string line = "<p class=\"body\">The quick brown fox jumps over the lazy dog, twice.</p>\n";
  const std::size_t spacing = marks > 0 ? size / marks : size + 1;
  std::string text;
  text.reserve(size + line.size());
  std::size_t next_mark = 0;
  while (text.size() + line.size() <= size) {
    if (marks > 0 && text.size() >= next_mark) {
      text += marker + line.substr(marker.size());
      next_mark += spacing;
    } else {
      text += line;
    }
  }
  return text;
}

double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double timed(const std::function<void()>& setup, const std::function<void()>& operation) {
  setup();
  drain_main_loop();
  const auto start = Clock::now();
  operation();
  drain_main_loop();
  return milliseconds(Clock::now() - start);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

class Bench {
 public:
  Bench() : form_(TForm1::create(services_)) {
    form_->show();
    form_->Memo.view().grab_focus();
    while (!form_->Memo.view().get_realized()) g_main_context_iteration(nullptr, TRUE);
  }

  // Per keystroke, typed at the middle of the text.
  double keystroke(const std::string& text) {
    return timed(
               [&] {
                 form_->Memo.set_text(text);
                 form_->memo_target.set_selection(form_->memo_target.length() / 2, 0);
               },
               [&] {
                 for (int i = 0; i < Keystrokes; ++i) {
                   press(form_->Memo.view(), GDK_KEY_a, GdkModifierType(0));
                   drain_main_loop();
                 }
               }) /
           Keystrokes;
  }

  double find_requests(const std::string& text, const std::string& wanted, int requests) {
    return timed(
        [&] {
          start_at_top(text);
          form_->commands.command("SearchFind1").execute();
          form_->find_state.set_search_text(wanted);
        },
        [&] {
          for (int i = 0; i < requests; ++i) {
            form_->find_dialog.response(SearchDialog::FindNextResponse);
            drain_main_loop();
          }
        });
  }

  double replace_all(const std::string& text, const std::string& wanted, const std::string& replacement) {
    return timed(
        [&] {
          start_at_top(text);
          form_->commands.command("SearchReplace1").execute();
          form_->replace_state.set_search_text(wanted);
          form_->replace_state.set_replacement_text(replacement);
        },
        [&] { form_->replace_dialog.response(SearchDialog::ReplaceAllResponse); });
  }

  double set_text(const std::string& before, const std::string& after) {
    return timed([&] { start_at_top(before); }, [&] { form_->Memo.set_text(after); });
  }

  std::string text() const { return form_->Memo.text(); }
  std::size_t selection_start() const { return form_->memo_target.selection_start(); }
  std::size_t messages() const { return boxes_.plain.size() + boxes_.errors.size(); }

 private:
  void start_at_top(const std::string& text) {
    form_->Memo.set_text(text);
    form_->Memo.view().grab_focus();
    form_->memo_target.set_selection(0, 0);
  }

  CodePage code_page_ = CodePage::named("UTF-8");
  FakeMessageBoxes boxes_;
  ErrorDisplay error_display_{boxes_};
  FakeFileChooser chooser_;
  PosixFileSystem files_;
  FakePrinterCatalogue printers_;
  FakePrintDialogs print_dialogs_;
  Services services_{code_page_, boxes_, "/tmp/", chooser_, files_, printers_, print_dialogs_};
  std::unique_ptr<TForm1> form_;
};

void report(const char* what, const char* unit, std::vector<double> subject, const char* baseline_name,
            std::vector<double> baseline, double goal) {
  const double s = median(std::move(subject));
  const double b = median(std::move(baseline));
  std::printf("%-12s %10.3f %s vs %s %10.3f %s   ratio %.2f (goal <= %.0f)\n", what, s, unit, baseline_name, b, unit,
              s / b, goal);
}

int run(int runs) {
  Bench bench;

  const std::string small = markup(20 * Kilobyte);
  const std::string large = markup(20 * Megabyte);
  std::vector<double> large_keys, small_keys;
  for (int i = 0; i < runs; ++i) {
    small_keys.push_back(bench.keystroke(small));
    large_keys.push_back(bench.keystroke(large));
  }
  report("keystroke", "ms", large_keys, "20 KB", small_keys, 2);

  const std::string marked = markup(20 * Megabyte, "needle", FindRequests);
  std::vector<double> requests, scans;
  for (int i = 0; i < runs; ++i) {
    const std::size_t before = bench.messages();
    scans.push_back(bench.find_requests(marked, "absent", 1));
    if (bench.messages() != before + 1) return std::fprintf(stderr, "the full scan found something\n"), 1;
    requests.push_back(bench.find_requests(marked, "needle", FindRequests));
    if (bench.messages() != before + 1) return std::fprintf(stderr, "a find-next request found nothing\n"), 1;
    if (bench.selection_start() != marked.rfind("needle"))
      return std::fprintf(stderr, "the find-next requests did not reach the last match\n"), 1;
  }
  report("find next", "ms", requests, "one scan", scans, 2);

  const std::string original = markup(10 * Megabyte, "needle", Replacements);
  std::string replaced;
  for (std::size_t at = 0, next; at < original.size(); at = next + 6) {
    next = original.find("needle", at);
    replaced.append(original, at, (next == std::string::npos ? original.size() : next) - at);
    if (next == std::string::npos) break;
    replaced += "pin";
  }
  std::vector<double> replacing, setting;
  for (int i = 0; i < runs; ++i) {
    setting.push_back(bench.set_text(original, replaced));
    replacing.push_back(bench.replace_all(original, "needle", "pin"));
    if (bench.text() != replaced) return std::fprintf(stderr, "replace all gave a different text\n"), 1;
  }
  report("replace all", "ms", replacing, "set text", setting, 3);
  return 0;
}

}  // namespace
}  // namespace tagpad

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "bench_editor_ops needs a display (run it under xvfb-run -a)\n");
    return 2;
  }
  Gtk::Main::init_gtkmm_internals();
  tagpad::prepare_toolkit();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  return tagpad::run(runs);
}
