// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include <gtkmm/main.h>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing needs no display: test discovery runs where there may be none.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  std::setlocale(LC_ALL, "");
  gtk_init(&argc, &argv);
  // A critical is a misuse of the toolkit: fail on it rather than read past it.
  g_log_set_always_fatal(GLogLevelFlags(G_LOG_FATAL_MASK | G_LOG_LEVEL_CRITICAL));
  Gtk::Main::init_gtkmm_internals();
  return RUN_ALL_TESTS();
}
