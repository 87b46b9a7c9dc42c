// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string_view>
#include <vector>

namespace tagpad::bench {

/// How many runs (or cycles) the command line asks for: a number as the
/// first argument, `quick` after --quick, otherwise `full`, the workload the
/// benchmark is defined with.
int repetitions(int argc, char** argv, int full, int quick);

/// The middle value; the mean of the two middle ones for an even count.
double median(std::vector<double> values);

/// Prints our figure against the baseline's for people, and the same as a
/// line `RESULT <name> <ours> <baseline> <unit> <=<most>` for bench/run.
/// The goal is on the ratio: at most `most` times the baseline.
void report_ratio(std::string_view name, double ours, double baseline, std::string_view unit, double most);

/// A figure with a goal of its own and no baseline: printed likewise, with
/// `-` for the baseline and `<<below>` as the goal.
void report_below(std::string_view name, double ours, std::string_view unit, double below);

}  // namespace tagpad::bench
