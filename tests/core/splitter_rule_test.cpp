// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/splitter_rule.h"

#include <gtest/gtest.h>

using tagpad::splitter_height;

TEST(SplitterHeight, EditorKeepsItsMinimum) {
  EXPECT_EQ(splitter_height(100, 300), 100);
  EXPECT_EQ(splitter_height(290, 300), 290);
  EXPECT_EQ(splitter_height(291, 300), 290);
  EXPECT_EQ(splitter_height(5000, 300), 290);
  for (int proposed = -20; proposed <= 320; ++proposed) {
    const int height = splitter_height(proposed, 300);
    EXPECT_LE(height, 290) << proposed;
    EXPECT_GE(height, 0) << proposed;
  }
}

TEST(SplitterHeight, SmallPreviewSnapsShut) {
  EXPECT_EQ(splitter_height(10, 300), 0);
  EXPECT_EQ(splitter_height(1, 300), 0);
  EXPECT_EQ(splitter_height(0, 300), 0);
  EXPECT_EQ(splitter_height(11, 300), 11);
  EXPECT_EQ(splitter_height(12, 300), 12);
  EXPECT_EQ(splitter_height(-1, 300), 0);
  EXPECT_EQ(splitter_height(-500, 300), 0);
  // Too little room for both: the preview closes rather than squeezing the editor.
  EXPECT_EQ(splitter_height(100, 20), 0);
  EXPECT_EQ(splitter_height(100, 21), 11);
  EXPECT_EQ(splitter_height(100, 5), 0);
}
