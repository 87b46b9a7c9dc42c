// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/line_breaks.h"

#include "core/code_page.h"

#include <gtest/gtest.h>

using tagpad::CodePage;
using tagpad::normalize_line_breaks;

TEST(LineBreaks, EveryKindOfBreakBecomesCrLf) {
  const CodePage utf8 = CodePage::named("UTF-8");
  EXPECT_EQ(normalize_line_breaks("", utf8), "");
  EXPECT_EQ(normalize_line_breaks("a\r\nb", utf8), "a\r\nb");
  EXPECT_EQ(normalize_line_breaks("a\nb\n", utf8), "a\r\nb\r\n");
  EXPECT_EQ(normalize_line_breaks("a\rb\r", utf8), "a\r\nb\r\n");
  EXPECT_EQ(normalize_line_breaks("\r\r\n\n", utf8), "\r\n\r\n\r\n");
  EXPECT_EQ(normalize_line_breaks("a\n\rb", utf8), "a\r\n\r\nb");
}

TEST(LineBreaks, NulAndOtherBytesAreCopied) {
  const CodePage utf8 = CodePage::named("UTF-8");
  EXPECT_EQ(normalize_line_breaks(std::string("a\0\nb", 4), utf8), std::string("a\0\r\nb", 5));
  EXPECT_EQ(normalize_line_breaks("\xEF\xBB\xBFx\xFF\n", utf8), "\xEF\xBB\xBFx\xFF\r\n");
}

TEST(LineBreaks, TheByteAfterALeadByteIsNeverABreak) {
  const CodePage cp949 = CodePage::named("CP949");
  EXPECT_EQ(normalize_line_breaks("\xC7\xD1\n", cp949), "\xC7\xD1\r\n");
  EXPECT_EQ(normalize_line_breaks("\x81\nx", cp949), "\x81\nx");
  EXPECT_EQ(normalize_line_breaks("\x81\rx", cp949), "\x81\rx");
  EXPECT_EQ(normalize_line_breaks("\x81\r\n", cp949), "\x81\r\r\n");
  EXPECT_EQ(normalize_line_breaks("\x81\n\n", cp949), "\x81\n\r\n");
  EXPECT_EQ(normalize_line_breaks("\xFE", cp949), "\xFE");
  // Without lead bytes in UTF-8, the same bytes hold ordinary breaks.
  EXPECT_EQ(normalize_line_breaks("\x81\nx", CodePage::named("UTF-8")), "\x81\r\nx");
}
