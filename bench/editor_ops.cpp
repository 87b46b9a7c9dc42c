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
// Usage: bench_editor_ops [runs | --quick]   (run under X, e.g. xvfb-run -a)
#include "core/command.h"
#include "harness/bench_window.h"
#include "harness/main_loop.h"
#include "harness/result.h"
#include "support/key_press.h"

#include <gtk/gtk.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace tagpad::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t Kilobyte = 1000;
constexpr std::size_t Megabyte = 1000 * Kilobyte;
constexpr int Keystrokes = 200;
constexpr int FindRequests = 1000;
constexpr int Replacements = 100000;

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

class Bench {
 public:
  Bench() {
    window_.parts().Memo.view().grab_focus();
    iterate_until([&] { return window_.parts().Memo.view().get_realized(); }, "the source pane");
  }

  // Per keystroke, typed at the middle of the text.
  double keystroke(const std::string& text) {
    return timed(
               [&] {
                 window_.parts().Memo.set_text(text);
                 window_.parts().memo_target.set_selection(window_.parts().memo_target.length() / 2, 0);
               },
               [&] {
                 for (int i = 0; i < Keystrokes; ++i) {
                   press(window_.parts().Memo.view(), GDK_KEY_a, GdkModifierType(0));
                   drain_main_loop();
                 }
               }) /
           Keystrokes;
  }

  double find_requests(const std::string& text, const std::string& wanted, int requests) {
    return timed(
        [&] {
          start_at_top(text);
          window_.parts().commands.command(CommandId::SearchFind1).execute();
          window_.parts().find_state.set_search_text(wanted);
        },
        [&] {
          for (int i = 0; i < requests; ++i) {
            window_.parts().find_dialog.response(SearchDialog::FindNextResponse);
            drain_main_loop();
          }
        });
  }

  double replace_all(const std::string& text, const std::string& wanted, const std::string& replacement) {
    return timed(
        [&] {
          start_at_top(text);
          window_.parts().commands.command(CommandId::SearchReplace1).execute();
          window_.parts().replace_state.set_search_text(wanted);
          window_.parts().replace_state.set_replacement_text(replacement);
        },
        [&] { window_.parts().replace_dialog.response(SearchDialog::ReplaceAllResponse); });
  }

  double set_text(const std::string& before, const std::string& after) {
    return timed([&] { start_at_top(before); }, [&] { window_.parts().Memo.set_text(after); });
  }

  std::string text() const { return window_.parts().Memo.text(); }
  std::size_t selection_start() const { return window_.parts().memo_target.selection_start(); }
  std::size_t messages() const { return window_.boxes.plain.size() + window_.boxes.errors.size(); }

 private:
  void start_at_top(const std::string& text) {
    window_.parts().Memo.set_text(text);
    window_.parts().Memo.view().grab_focus();
    window_.parts().memo_target.set_selection(0, 0);
  }

  BenchWindow window_;
};

int run(int runs) {
  Bench bench;

  const std::string small = markup(20 * Kilobyte);
  const std::string large = markup(20 * Megabyte);
  std::vector<double> large_keys, small_keys;
  for (int i = 0; i < runs; ++i) {
    small_keys.push_back(bench.keystroke(small));
    large_keys.push_back(bench.keystroke(large));
  }
  // Baseline: a keystroke into 20 KB.
  report_ratio("keystroke", median(large_keys), median(small_keys), "ms", 2);

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
  // Baseline: one request that scans the whole text.
  report_ratio("find_next", median(requests), median(scans), "ms", 2);

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
  // Baseline: setting the replaced text.
  report_ratio("replace_all", median(replacing), median(setting), "ms", 3);
  return 0;
}

}  // namespace
}  // namespace tagpad::bench

int main(int argc, char** argv) {
  tagpad::bench::start_toolkit(argc, argv, "bench_editor_ops");
  return tagpad::bench::run(tagpad::bench::repetitions(argc, argv, 3, 1));
}
