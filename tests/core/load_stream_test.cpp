// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/load_stream.h"

#include "core/code_page.h"

#include <gtest/gtest.h>

using tagpad::make_load_stream;

TEST(LoadStream, EveryLineEndsInCrLf) {
  EXPECT_EQ(make_load_stream(""), "");
  EXPECT_EQ(make_load_stream("abc"), "abc\r\n");
  EXPECT_EQ(make_load_stream("a\nb\nc"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(make_load_stream("a\rb\r"), "a\r\nb\r\n");
  EXPECT_EQ(make_load_stream("abc\r\n"), "abc\r\n");
  EXPECT_EQ(make_load_stream("\n"), "\r\n");
  EXPECT_EQ(make_load_stream("\r\n\r\n"), "\r\n\r\n");
}

TEST(LoadStream, LfCrIsTwoBreaks) {
  EXPECT_EQ(make_load_stream("a\n\rb"), "a\r\n\r\nb\r\n");
  EXPECT_EQ(make_load_stream("\n\r"), "\r\n\r\n");
}

TEST(LoadStream, NulEndsTheText) {
  EXPECT_EQ(make_load_stream(std::string("ab\0cd", 5)), "ab\r\n");
  EXPECT_EQ(make_load_stream(std::string("\0abc", 4)), "");
  EXPECT_EQ(make_load_stream(std::string("ab\n\0cd", 6)), "ab\r\n");
}

TEST(LoadStream, KoreanKeepsTheCodePageBytesOnly) {
  auto cp949 = tagpad::CodePage::named("CP949");
  std::string bytes = cp949.from_utf8("<p>한글</p>");
  ASSERT_EQ(bytes, "<p>\xC7\xD1\xB1\xDB</p>");
  EXPECT_EQ(make_load_stream(bytes), "<p>\xC7\xD1\xB1\xDB</p>\r\n");
}
