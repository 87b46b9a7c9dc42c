// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/line_break_normalizer.h"

#include "core/code_page.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

using tagpad::CodePage;
using tagpad::LineBreakNormalizer;
using tagpad::normalize_line_breaks;

namespace {

// Byte by byte, the plainest way to say what the normaliser does.
std::string reference(std::string_view in, const CodePage& page) {
  std::string out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (page.is_lead_byte(static_cast<unsigned char>(in[i]))) {
      out += in.substr(i, 2);
      ++i;
    } else if (in[i] == '\r' || in[i] == '\n') {
      out += "\r\n";
      if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
    } else {
      out += in[i];
    }
  }
  return out;
}

std::string chunked(std::string_view in, const std::vector<std::size_t>& ends, const CodePage& page) {
  LineBreakNormalizer normalizer(page);
  std::string out;
  std::size_t start = 0;
  for (std::size_t end : ends) {
    normalizer.feed(in.substr(start, end - start), out);
    start = end;
  }
  normalizer.feed(in.substr(start), out);
  normalizer.finish(out);
  return out;
}

// Short random byte strings, dense in breaks, lead bytes, NUL and bytes
// that are no characters in either code page.
std::string random_bytes(std::mt19937& random) {
  static const std::string_view alphabet("\r\n\r\n\r\na \0\x81\xA1\xB0\xC7\xD1\xFE\xFF\x80", 17);
  std::string bytes(std::uniform_int_distribution<std::size_t>(0, 24)(random), '\0');
  for (char& b : bytes) b = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
  return bytes;
}

}  // namespace

TEST(LineBreakNormalizer, EveryKindOfBreakBecomesCrLf) {
  const CodePage utf8 = CodePage::named("UTF-8");
  EXPECT_EQ(normalize_line_breaks("", utf8), "");
  EXPECT_EQ(normalize_line_breaks("a\r\nb", utf8), "a\r\nb");
  EXPECT_EQ(normalize_line_breaks("a\nb\n", utf8), "a\r\nb\r\n");
  EXPECT_EQ(normalize_line_breaks("a\rb\r", utf8), "a\r\nb\r\n");
  EXPECT_EQ(normalize_line_breaks("\r\r\n\n", utf8), "\r\n\r\n\r\n");
  EXPECT_EQ(normalize_line_breaks("a\n\rb", utf8), "a\r\n\r\nb");
}

TEST(LineBreakNormalizer, NulAndOtherBytesAreCopied) {
  const CodePage utf8 = CodePage::named("UTF-8");
  EXPECT_EQ(normalize_line_breaks(std::string("a\0\nb", 4), utf8), std::string("a\0\r\nb", 5));
  EXPECT_EQ(normalize_line_breaks("\xEF\xBB\xBFx\xFF\n", utf8), "\xEF\xBB\xBFx\xFF\r\n");
}

TEST(LineBreakNormalizer, TheByteAfterALeadByteIsNeverABreak) {
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

TEST(LineBreakNormalizer, SameResultAnywhereTheChunksEndAndNormalisingAgainChangesNothing) {
  std::mt19937 random(15);
  for (const CodePage& page : {CodePage::named("CP949"), CodePage::named("UTF-8")}) {
    for (int trial = 0; trial < 3000; ++trial) {
      const std::string in = random_bytes(random);
      SCOPED_TRACE(testing::PrintToString(in) + " in " + page.name());
      const std::string whole = normalize_line_breaks(in, page);
      ASSERT_EQ(whole, reference(in, page));
      ASSERT_EQ(normalize_line_breaks(whole, page), whole);
      // Two chunks, split at every place: a CR LF pair or a lead byte's pair
      // cut in two included.
      for (std::size_t end = 0; end <= in.size(); ++end) ASSERT_EQ(chunked(in, {end}, page), whole) << "cut at " << end;
      // One byte at a time, and random chunks, empty ones included.
      std::vector<std::size_t> every_byte(in.size());
      for (std::size_t i = 0; i < in.size(); ++i) every_byte[i] = i;
      ASSERT_EQ(chunked(in, every_byte, page), whole);
      std::vector<std::size_t> ends;
      for (std::size_t end = 0; end <= in.size(); end += std::uniform_int_distribution<std::size_t>(0, 3)(random))
        ends.push_back(end);
      ASSERT_EQ(chunked(in, ends, page), whole);
    }
  }
}
