// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/error_message.h"

#include <gtest/gtest.h>

using tagpad::error_display_text;

TEST(ErrorDisplayText, NoFullStopAfterCharactersUpToTheFullStop) {
  EXPECT_EQ(error_display_text("Done."), "Done.");
  EXPECT_EQ(error_display_text("Trailing space "), "Trailing space ");
  EXPECT_EQ(error_display_text("a,"), "a,");
  EXPECT_EQ(error_display_text("a-"), "a-");
  EXPECT_EQ(error_display_text("tab\t"), "tab\t");
  EXPECT_EQ(error_display_text("quote\""), "quote\"");
  EXPECT_EQ(error_display_text("!"), "!");
  EXPECT_EQ(error_display_text("a)"), "a)");
}

TEST(ErrorDisplayText, FullStopAfterCharactersAboveTheFullStop) {
  EXPECT_EQ(error_display_text("File not found"), "File not found.");
  EXPECT_EQ(error_display_text("Line 42"), "Line 42.");
  EXPECT_EQ(error_display_text("0"), "0.");
  EXPECT_EQ(error_display_text("/tmp/"), "/tmp/.");
  EXPECT_EQ(error_display_text("Done?"), "Done?.");
  // A multi-byte last character counts by its code, not by its last byte.
  EXPECT_EQ(error_display_text("\xED\x8C\x8C\xEC\x9D\xBC"), "\xED\x8C\x8C\xEC\x9D\xBC.");  // 파일
  EXPECT_EQ(error_display_text("\xC3\xA9"), "\xC3\xA9.");                                  // é
}

TEST(ErrorDisplayText, EmptyMessageStaysEmpty) { EXPECT_EQ(error_display_text(""), ""); }
