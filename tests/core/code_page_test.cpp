// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/code_page.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

using tagpad::CodePage;

namespace {

// Round-trips bytes through UTF-8 and reports the first failure.
::testing::AssertionResult round_trips(const CodePage& page, const std::string& bytes) {
  std::string text;
  try {
    text = page.to_utf8(bytes);
  } catch (const std::exception& e) {
    return ::testing::AssertionFailure() << "to_utf8 threw: " << e.what();
  }
  std::string back;
  try {
    back = page.from_utf8(text);
  } catch (const std::exception& e) {
    return ::testing::AssertionFailure() << "from_utf8 threw: " << e.what();
  }
  if (back != bytes) return ::testing::AssertionFailure() << "bytes changed in the round trip";
  return ::testing::AssertionSuccess();
}

std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
    out += ' ';
  }
  return out;
}

class CodePageRoundTrip : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(CodePageRoundTrip, EverySingleByte) {
  const CodePage page = CodePage::named(GetParam());
  for (int b = 0; b < 256; ++b) {
    const std::string bytes(1, static_cast<char>(b));
    EXPECT_TRUE(round_trips(page, bytes)) << "byte " << hex(bytes);
  }
}

TEST_P(CodePageRoundTrip, EveryTwoByteString) {
  const CodePage page = CodePage::named(GetParam());
  int failures = 0;
  for (int a = 0; a < 256 && failures < 10; ++a) {
    for (int b = 0; b < 256 && failures < 10; ++b) {
      const std::string bytes{static_cast<char>(a), static_cast<char>(b)};
      auto result = round_trips(page, bytes);
      if (!result) {
        ++failures;
        ADD_FAILURE() << hex(bytes) << ": " << result.message();
      }
    }
  }
}

TEST_P(CodePageRoundTrip, RandomByteStrings) {
  const CodePage page = CodePage::named(GetParam());
  std::mt19937 rng(20260101);
  std::uniform_int_distribution<int> length(0, 64);
  std::uniform_int_distribution<int> byte(0, 255);
  int failures = 0;
  for (int n = 0; n < 3000 && failures < 10; ++n) {
    std::string bytes(static_cast<std::size_t>(length(rng)), '\0');
    for (char& c : bytes) c = static_cast<char>(byte(rng));
    auto result = round_trips(page, bytes);
    if (!result) {
      ++failures;
      ADD_FAILURE() << hex(bytes) << ": " << result.message();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CodePages, CodePageRoundTrip, ::testing::Values("CP949", "UTF-8"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param) == "CP949" ? std::string("CP949") : std::string("UTF8");
                         });

TEST(CodePage, KoreanTextAndCp949Bytes) {
  const CodePage page = CodePage::named("CP949");
  const std::string hangul = "\xED\x95\x9C\xEA\xB8\x80";  // 한글
  const std::string bytes = "\xC7\xD1\xB1\xDB";
  EXPECT_EQ(page.from_utf8(hangul), bytes);
  EXPECT_EQ(page.to_utf8(bytes), hangul);
  EXPECT_EQ(page.to_utf8("\xB0\xA1"), "\xEA\xB0\x80");  // 가
  // A character of CP949's extension beyond EUC-KR: U+AC02 is 81 41.
  EXPECT_EQ(page.to_utf8("\x81\x41"), "\xEA\xB0\x82");
  EXPECT_EQ(page.from_utf8("\xEA\xB0\x82"), "\x81\x41");
  // Mixed with ASCII on both sides.
  EXPECT_EQ(page.to_utf8("a" + bytes + "b"), "a" + hangul + "b");
  EXPECT_EQ(page.from_utf8("a" + hangul + "b"), "a" + bytes + "b");
}

TEST(CodePage, UndecodableUtf8BytesBecomeEscapeCharacters) {
  const CodePage page = CodePage::named("UTF-8");
  EXPECT_EQ(page.to_utf8("\x80"), "\xF4\x8F\xBE\x80");  // U+10FF80
  EXPECT_EQ(page.to_utf8("\xFF"), "\xF4\x8F\xBF\xBF");  // U+10FFFF
  EXPECT_EQ(page.to_utf8("\xC0"), "\xF4\x8F\xBF\x80");  // U+10FFC0
  // A truncated sequence: each byte is escaped, the valid text around it is kept.
  EXPECT_EQ(page.to_utf8("a\xE2\x82z"), "a\xF4\x8F\xBF\xA2\xF4\x8F\xBE\x82z");
  EXPECT_EQ(page.from_utf8("\xF4\x8F\xBE\x80"), "\x80");
  EXPECT_EQ(page.from_utf8("\xF4\x8F\xBF\xBF"), "\xFF");
  // Escapes for CP949 too: a lone lead byte at the end cannot decode.
  const CodePage cp949 = CodePage::named("CP949");
  EXPECT_EQ(cp949.to_utf8("\xC7"), "\xF4\x8F\xBF\x87");
  EXPECT_EQ(cp949.from_utf8("\xF4\x8F\xBF\x87"), "\xC7");
}

TEST(CodePage, ValidTextOfTheEscapeRangeIsEscapedByteByByte) {
  const CodePage page = CodePage::named("UTF-8");
  for (const std::string& bytes :
       {std::string("\xF4\x8F\xBE\x80"), std::string("\xF4\x8F\xBF\xBF"), std::string("x\xF4\x8F\xBE\xA5y")}) {
    const std::string text = page.to_utf8(bytes);
    EXPECT_NE(text, bytes) << hex(bytes);
    EXPECT_EQ(page.from_utf8(text), bytes) << hex(bytes);
  }
  // U+10FF80 as UTF-8 is F4 8F BE 80; each byte is above 0x7F so each escapes.
  EXPECT_EQ(page.to_utf8("\xF4\x8F\xBE\x80"),
            "\xF4\x8F\xBF\xB4"
            "\xF4\x8F\xBE\x8F"
            "\xF4\x8F\xBE\xBE"
            "\xF4\x8F\xBE\x80");
  // The range starts at U+10FF00; the character just below it is ordinary text.
  EXPECT_NE(page.to_utf8("\xF4\x8F\xBC\x80"), "\xF4\x8F\xBC\x80");  // U+10FF00
  EXPECT_EQ(page.to_utf8("\xF4\x8F\xBB\xBF"), "\xF4\x8F\xBB\xBF");  // U+10FEFF
}

TEST(CodePage, UnencodableCharacterThrowsInsteadOfWritingAReplacement) {
  const CodePage page = CodePage::named("CP949");
  EXPECT_THROW(page.from_utf8("\xF0\x9F\x98\x80"), tagpad::Error);                  // 😀
  EXPECT_THROW(page.from_utf8("ok \xF0\x9F\x98\x80 ok"), tagpad::Error);            // inside text
  EXPECT_THROW(page.from_utf8("\xF4\x8F\xBE\x80\xF0\x9F\x98\x80"), tagpad::Error);  // after an escape
  EXPECT_THROW(page.from_utf8("\xC3\x28"), tagpad::Error);                          // malformed UTF-8
  EXPECT_THROW(CodePage::named("UTF-8").from_utf8("\xC3\x28"), tagpad::Error);
}

TEST(CodePage, NamesAndAliases) {
  EXPECT_EQ(CodePage::named("EUC-KR").name(), "CP949");
  EXPECT_EQ(CodePage::named("euc-kr").name(), "CP949");
  EXPECT_FALSE(CodePage::named("EUC-KR").is_utf8());
  EXPECT_TRUE(CodePage::named("ANSI_X3.4-1968").is_utf8());
  EXPECT_EQ(CodePage::named("ANSI_X3.4-1968").name(), "UTF-8");
  EXPECT_TRUE(CodePage::named("utf8").is_utf8());
}

TEST(CodePage, LeadBytesOnlyInCp949) {
  const CodePage cp949 = CodePage::named("CP949");
  const CodePage utf8 = CodePage::named("UTF-8");
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    EXPECT_EQ(cp949.is_lead_byte(byte), b >= 0x81 && b <= 0xFE) << b;
    EXPECT_FALSE(utf8.is_lead_byte(byte)) << b;
  }
}

TEST(CodePage, NulBytesSurvive) {
  for (const char* name : {"CP949", "UTF-8"}) {
    const CodePage page = CodePage::named(name);
    const std::string bytes("a\0b\0\0\xC7\xD1\0", 8);
    const std::string text = page.to_utf8(bytes);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\0'), 4) << name;
    EXPECT_EQ(page.from_utf8(text), bytes) << name;
    const std::string with_escape("\0\xFF\0", 3);
    EXPECT_EQ(page.from_utf8(page.to_utf8(with_escape)), with_escape) << name;
  }
}
