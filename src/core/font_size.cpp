// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/font_size.h"

#include <algorithm>

namespace tagpad {

namespace {

constexpr int PointsPerInch = 72;
constexpr int FontSizeStep = 2;

// The integer nearest to numerator / denominator (denominator > 0), a half
// going away from zero; in integers so that exact halves stay exact.
int rounded_quotient(long numerator, long denominator) {
  const long magnitude = ((numerator < 0 ? -numerator : numerator) * 2 + denominator) / (denominator * 2);
  return static_cast<int>(numerator < 0 ? -magnitude : magnitude);
}

}  // namespace

int font_size_points(int height, int ppi) { return -rounded_quotient(long{height} * PointsPerInch, ppi); }

int font_height_for_size(int size, int ppi) { return -rounded_quotient(long{size} * ppi, PointsPerInch); }

int stepped_font_height(int height, int ppi, FontStep step) {
  const int size = font_size_points(height, ppi);
  if (step == FontStep::Larger) return font_height_for_size(size + FontSizeStep, ppi);
  // Below 2 points the height turns positive and the text grows again.
  if (size <= SmallestFontSize) return height;
  return font_height_for_size(std::max(size - FontSizeStep, SmallestFontSize), ppi);
}

}  // namespace tagpad
