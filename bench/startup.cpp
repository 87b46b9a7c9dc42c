// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Start-up time: from exec until the main window is mapped with the preview
// loaded, for Tagpad and for a bare WebKitGTK window of the same size.
//
// Both programs title their window "<page title>  Tagpad" once the start-up
// page has finished loading (before that the title is "Tagpad").  The driver
// watches the X server from outside: it polls the top-level windows every
// 2 ms for a viewable window owned by the child (_NET_WM_PID) whose WM_NAME
// ends in "  Tagpad".  Runs alternate between the two programs; the medians
// and their ratio are printed (goal: at most 1.3).
//
// Usage: bench_startup [runs | --quick] [path-to-tagpad]   (run under X, e.g. xvfb-run -a)
#include "harness/result.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollInterval = std::chrono::milliseconds(2);
constexpr auto kTimeout = std::chrono::seconds(60);
constexpr const char* kReadySuffix = "  Tagpad";

std::optional<pid_t> window_pid(Display* display, Window window, Atom pid_atom) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::optional<pid_t> result;
  if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                         &data) == Success &&
      type == XA_CARDINAL && format == 32 && count == 1 && data) {
    result = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data) XFree(data);
  return result;
}

bool ready_title(Display* display, Window window) {
  char* name = nullptr;
  bool ready = false;
  if (XFetchName(display, window, &name) && name) {
    const std::size_t length = std::strlen(name);
    const std::size_t suffix = std::strlen(kReadySuffix);
    ready = length >= suffix && std::strcmp(name + length - suffix, kReadySuffix) == 0;
  }
  if (name) XFree(name);
  return ready;
}

// Looks for a ready window of `child` among the top-level windows (and one
// level below, in case a window manager reparents them).
bool child_window_ready(Display* display, Window parent, pid_t child, Atom pid_atom, int depth) {
  Window root_return = 0;
  Window parent_return = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &root_return, &parent_return, &children, &count)) return false;
  bool found = false;
  for (unsigned int i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    const auto pid = window_pid(display, children[i], pid_atom);
    if (pid && *pid == child && ready_title(display, children[i])) {
      found = true;
    } else if (depth > 0) {
      found = child_window_ready(display, children[i], child, pid_atom, depth - 1);
    }
  }
  if (children) XFree(children);
  return found;
}

int ignore_x_errors(Display*, XErrorEvent*) { return 0; }  // windows vanish between calls

void stop_child(pid_t child) {
  kill(child, SIGTERM);
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (Clock::now() < deadline) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

// Milliseconds from exec to the ready window, or nothing on failure.
std::optional<double> time_startup(Display* display, const std::string& program) {
  const Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);
  const Window root = DefaultRootWindow(display);
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return std::nullopt;
  }
  if (child == 0) {
    setenv("GDK_BACKEND", "x11", 1);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    std::perror(program.c_str());
    _exit(127);
  }
  std::optional<double> result;
  while (Clock::now() - start < kTimeout) {
    if (child_window_ready(display, root, child, pid_atom, 1)) {
      result = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "bench_startup: %s exited before its window was ready\n", program.c_str());
      return std::nullopt;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  if (!result) std::fprintf(stderr, "bench_startup: %s timed out\n", program.c_str());
  stop_child(child);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = tagpad::bench::repetitions(argc, argv, 7, 2);
  const std::string tagpad = argc > 2 ? argv[2] : TAGPAD_BENCH_DEFAULT_PROGRAM;
  const std::string baseline = TAGPAD_BENCH_BASELINE;

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fputs("bench_startup: cannot open the X display (run under xvfb-run -a)\n", stderr);
    return 1;
  }
  XSetErrorHandler(ignore_x_errors);

  // One untimed start of each warms the file cache.
  if (!time_startup(display, tagpad) || !time_startup(display, baseline)) return 1;

  std::vector<double> tagpad_ms;
  std::vector<double> baseline_ms;
  for (int i = 0; i < runs; ++i) {
    const auto a = time_startup(display, tagpad);
    const auto b = time_startup(display, baseline);
    if (!a || !b) return 1;
    tagpad_ms.push_back(*a);
    baseline_ms.push_back(*b);
    std::fprintf(stderr, "run %d: tagpad %.0f ms, bare webkit %.0f ms\n", i + 1, *a, *b);
  }
  XCloseDisplay(display);

  // Baseline: the bare WebKitGTK window; medians of the runs.
  tagpad::bench::report_ratio("startup", tagpad::bench::median(tagpad_ms), tagpad::bench::median(baseline_ms), "ms",
                              1.3);
  return 0;
}
