// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// An assistive technology's view of one application: prints the accessible
// tree of the application with the given process id, one object a line, as a
// screen reader walking it would see it. Exit status 0 when every object
// answered, 1 when any query failed (each failure printed), 2 when the
// application is not on the accessibility bus.
//
// Usage: tagpad_accessible_tree <pid> [timeout in ms]
#include <atspi/atspi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct GFreeDeleter {
  void operator()(char* text) const { g_free(text); }
};
using GText = std::unique_ptr<char, GFreeDeleter>;

// Generous against a page that parses, small against a process that hangs.
constexpr int MaxChildren = 200;
constexpr int MaxDepth = 40;

class TreeWalk {
 public:
  int failures() const { return failures_; }

  void walk(AtspiAccessible* object, int depth) {
    GError* error = nullptr;
    GText role(atspi_accessible_get_role_name(object, &error));
    if (failed(error, depth, "role")) return;
    GText name(atspi_accessible_get_name(object, &error));
    if (failed(error, depth, "name")) return;
    const int count = atspi_accessible_get_child_count(object, &error);
    if (failed(error, depth, "child count")) return;
    std::printf("%*s%s '%s'\n", depth * 2, "", role.get(), name.get());
    if (depth >= MaxDepth) return;
    for (int i = 0; i < count && i < MaxChildren; ++i) {
      AtspiAccessible* child = atspi_accessible_get_child_at_index(object, i, &error);
      if (failed(error, depth + 1, "child")) continue;
      if (!child) continue;
      walk(child, depth + 1);
      g_object_unref(child);
    }
  }

 private:
  bool failed(GError* error, int depth, const char* what) {
    if (!error) return false;
    std::printf("%*serror: %s: %s\n", depth * 2, "", what, error->message);
    g_error_free(error);
    ++failures_;
    return true;
  }

  int failures_ = 0;
};

AtspiAccessible* find_application(AtspiAccessible* desktop, guint pid) {
  GError* error = nullptr;
  const int count = atspi_accessible_get_child_count(desktop, &error);
  if (error) {
    g_error_free(error);
    return nullptr;
  }
  for (int i = 0; i < count; ++i) {
    AtspiAccessible* application = atspi_accessible_get_child_at_index(desktop, i, &error);
    if (error) {
      g_clear_error(&error);
      continue;
    }
    if (!application) continue;
    const guint found = atspi_accessible_get_process_id(application, &error);
    if (!error && found == pid) return application;
    g_clear_error(&error);
    g_object_unref(application);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <pid> [timeout in ms]\n", argv[0]);
    return 2;
  }
  const auto pid = static_cast<guint>(std::strtoul(argv[1], nullptr, 10));
  const int timeout_ms = argc > 2 ? std::atoi(argv[2]) : 1000;
  if (atspi_init() > 1) {
    std::printf("error: no accessibility bus\n");
    return 2;
  }
  atspi_set_timeout(timeout_ms, timeout_ms);
  AtspiAccessible* desktop = atspi_get_desktop(0);
  AtspiAccessible* application = find_application(desktop, pid);
  g_object_unref(desktop);
  if (!application) {
    std::printf("error: no application with process id %u\n", pid);
    return 2;
  }
  TreeWalk walk;
  walk.walk(application, 0);
  g_object_unref(application);
  return walk.failures() == 0 ? 0 : 1;
}
