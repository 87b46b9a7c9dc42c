// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "harness/result.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tagpad::bench {

int repetitions(int argc, char** argv, int full, int quick) {
  if (argc < 2) return full;
  if (std::strcmp(argv[1], "--quick") == 0) return quick;
  return std::max(1, std::atoi(argv[1]));
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void report_ratio(std::string_view name, double ours, double baseline, std::string_view unit, double most) {
  const std::string n(name), u(unit);
  const double ratio = ours / baseline;
  std::printf("%-16s %10.4g %-3s vs baseline %10.4g %-3s ratio %5.2f (goal <= %g) %s\n", n.c_str(), ours, u.c_str(),
              baseline, u.c_str(), ratio, most, ratio <= most ? "met" : "MISSED");
  std::printf("RESULT %s %.6g %.6g %s <=%g\n", n.c_str(), ours, baseline, u.c_str(), most);
  std::fflush(stdout);
}

void report_below(std::string_view name, double ours, std::string_view unit, double below) {
  const std::string n(name), u(unit);
  std::printf("%-16s %10.4g %-3s (goal < %g %s) %s\n", n.c_str(), ours, u.c_str(), below, u.c_str(),
              ours < below ? "met" : "MISSED");
  std::printf("RESULT %s %.6g - %s <%g\n", n.c_str(), ours, u.c_str(), below);
  std::fflush(stdout);
}

}  // namespace tagpad::bench
