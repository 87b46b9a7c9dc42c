// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include <gtkmm/main.h>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::setlocale(LC_ALL, "");
  gtk_init(&argc, &argv);
  Gtk::Main::init_gtkmm_internals();
  return RUN_ALL_TESTS();
}
