// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "harness/main_loop.h"

#include "gtk/toolkit_setup.h"

#include <glib.h>
#include <gtk/gtk.h>
#include <gtkmm/main.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace tagpad::bench {

void start_toolkit(int& argc, char**& argv, const char* program) {
  std::setlocale(LC_ALL, "");
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "%s needs a display (run it under xvfb-run -a)\n", program);
    std::exit(2);
  }
  Gtk::Main::init_gtkmm_internals();
  prepare_toolkit();
}

void drain_main_loop() {
  while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
}

void iterate_until(const std::function<bool()>& done, const char* what, int seconds) {
  const gint64 deadline = g_get_monotonic_time() + gint64{seconds} * G_USEC_PER_SEC;
  while (!done()) {
    if (g_get_monotonic_time() > deadline) {
      std::fprintf(stderr, "gave up after %d s waiting for %s\n", seconds, what);
      std::exit(1);
    }
    g_main_context_iteration(nullptr, TRUE);
  }
}

}  // namespace tagpad::bench
