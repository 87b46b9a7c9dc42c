// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/mnemonic.h"

#include <gtest/gtest.h>

using tagpad::accessible_name;
using tagpad::mnemonic_label;
using tagpad::plain_label;

TEST(Mnemonic, AmpersandMarksTheAccessLetterDoubledItIsLiteral) {
  EXPECT_EQ(mnemonic_label("파일(&F)"), "파일(_F)");
  EXPECT_EQ(mnemonic_label("Cu&t"), "Cu_t");
  EXPECT_EQ(mnemonic_label("Save && Run"), "Save & Run");
  EXPECT_EQ(mnemonic_label("A&&&B"), "A&_B");
  EXPECT_EQ(mnemonic_label("trailing&"), "trailing_");
  EXPECT_EQ(plain_label("파일(&F)"), "파일(F)");
  EXPECT_EQ(plain_label("Save && Run"), "Save & Run");
  EXPECT_EQ(plain_label("A&&&B"), "A&B");
}

TEST(Mnemonic, UnderscoreStaysLiteral) {
  // GTK reads "_" as the access mark, so a literal one is doubled there and
  // left alone where no mark is read.
  EXPECT_EQ(mnemonic_label("snake_case"), "snake__case");
  EXPECT_EQ(mnemonic_label("&a_b"), "_a__b");
  EXPECT_EQ(plain_label("snake_case"), "snake_case");
  EXPECT_EQ(plain_label("&a_b"), "a_b");
}

TEST(Mnemonic, ImageOnlyControlsAreNamedByTheirShortHint) {
  EXPECT_EQ(accessible_name("열기", "열기"), "열기");
  EXPECT_EQ(accessible_name("&Open...", "Open|Opens an existing file"), "Open...");
  EXPECT_EQ(accessible_name("", "Find|Finds the specified text"), "Find");
  EXPECT_EQ(accessible_name("", "새작업"), "새작업");
  EXPECT_EQ(accessible_name("", ""), "");
}
