// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <functional>

namespace tagpad::bench {

/// Initialises GTK and prepares the toolkit as the program does; without a
/// display, says so naming `program` and exits.
void start_toolkit(int& argc, char**& argv, const char* program);

/// Runs the main loop until nothing is ready to run: idle work included.
void drain_main_loop();

/// Runs the main loop until `done`; a benchmark that waits longer than
/// `seconds` is stuck, so it says what it waited for and exits.
void iterate_until(const std::function<bool()>& done, const char* what, int seconds = 300);

}  // namespace tagpad::bench
