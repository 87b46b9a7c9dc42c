// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/font_size.h"

#include <gtest/gtest.h>

#include <vector>

using tagpad::font_height_for_size;
using tagpad::font_size_points;
using tagpad::FontStep;
using tagpad::stepped_font_height;

namespace {

constexpr int Ppi = 96;
constexpr int StartHeight = -13;

}  // namespace

TEST(FontSize, StepsTwoPointsAndBackAt96Ppi) {
  EXPECT_EQ(font_size_points(StartHeight, Ppi), 10);
  std::vector<int> heights{-21};
  while (heights.size() < 8) heights.push_back(stepped_font_height(heights.back(), Ppi, FontStep::Smaller));
  EXPECT_EQ(heights, (std::vector<int>{-21, -19, -16, -13, -11, -8, -5, -3}));
  for (std::size_t i = 0; i + 1 < heights.size(); ++i) {
    EXPECT_EQ(font_size_points(heights[i], Ppi), 16 - 2 * static_cast<int>(i));
    EXPECT_EQ(stepped_font_height(heights[i + 1], Ppi, FontStep::Larger), heights[i]);
  }
}

TEST(FontSize, SmallerStopsAtTwoPointsLargerHasNoBound) {
  int height = StartHeight;
  for (int press = 0; press < 9; ++press) height = stepped_font_height(height, Ppi, FontStep::Smaller);
  EXPECT_EQ(height, -3);
  EXPECT_EQ(font_size_points(height, Ppi), 2);
  height = StartHeight;
  for (int press = 0; press < 45; ++press) height = stepped_font_height(height, Ppi, FontStep::Larger);
  EXPECT_EQ(font_size_points(height, Ppi), 100);
  EXPECT_EQ(height, -133);
  // A height of 3 points at another resolution still stops at 2.
  EXPECT_EQ(font_size_points(stepped_font_height(font_height_for_size(3, 120), 120, FontStep::Smaller), 120), 2);
}

TEST(FontSize, HalvesRoundAwayFromZero) {
  // 6 px at 96 ppi is exactly 4.5 pt; 3 pt at 108 ppi exactly 4.5 px.
  EXPECT_EQ(font_size_points(-6, Ppi), 5);
  EXPECT_EQ(font_size_points(6, Ppi), -5);
  EXPECT_EQ(font_height_for_size(3, 108), -5);
  EXPECT_EQ(font_height_for_size(-3, 108), 5);
  EXPECT_EQ(font_height_for_size(0, Ppi), 0);
  EXPECT_EQ(font_size_points(0, Ppi), 0);
}
