// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/find_dialog_state.h"

#include "core/dialog_placement.h"

#include <gtest/gtest.h>

#include <string>

using tagpad::FindDialogState;
using tagpad::first_dialog_position;
using tagpad::Point;

TEST(FindDialogState, StartsDownWithEmptyTextsAndNoPosition) {
  FindDialogState state;
  EXPECT_EQ(state.search_text(), "");
  EXPECT_EQ(state.replacement_text(), "");
  EXPECT_EQ(state.direction(), tagpad::Direction::Down);
  EXPECT_FALSE(state.options().match_case);
  EXPECT_FALSE(state.options().whole_word);
  EXPECT_FALSE(state.position().has_value());
  state.set_down(false);
  state.set_match_case(true);
  state.set_position({40, 50});
  EXPECT_EQ(state.direction(), tagpad::Direction::Up);
  EXPECT_TRUE(state.options().match_case);
  EXPECT_EQ(state.position(), (Point{40, 50}));
}

TEST(FindDialogState, RequestsNeedSearchText) {
  FindDialogState state;
  EXPECT_FALSE(state.can_request());
  state.set_replacement_text("x");
  EXPECT_FALSE(state.can_request());
  state.set_search_text(" ");
  EXPECT_TRUE(state.can_request());
  state.set_search_text("");
  EXPECT_FALSE(state.can_request());
}

TEST(FindDialogState, TextsKeepAtMost255Characters) {
  FindDialogState state;
  std::string korean;
  for (int i = 0; i < 300; ++i) korean += "한";
  state.set_search_text(korean);
  EXPECT_EQ(state.search_text().size(), 255u * 3);
  state.set_replacement_text(std::string(255, 'a'));
  EXPECT_EQ(state.replacement_text(), std::string(255, 'a'));
  state.set_replacement_text(std::string(256, 'b'));
  EXPECT_EQ(state.replacement_text(), std::string(255, 'b'));
}

TEST(DialogPlacement, CentredWithAThirdOfTheFreeHeightAbove) {
  EXPECT_EQ(first_dialog_position({0, 0, 1920, 1080}, 400, 180), (Point{760, 300}));
  // On a second monitor, relative to its own corner.
  EXPECT_EQ(first_dialog_position({1920, 100, 1280, 1000}, 380, 200), (Point{2370, 366}));
}
