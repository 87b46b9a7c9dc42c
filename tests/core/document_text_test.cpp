// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/document_text.h"

#include "core/code_page.h"
#include "core/error.h"

#include <gtest/gtest.h>

using tagpad::CodePage;
using tagpad::document_bytes;
using tagpad::document_text;

namespace {

// A file read into the pane and saved again.
std::string saved_again(const std::string& file, const CodePage& page) {
  return document_bytes(document_text(file, page), page);
}

}  // namespace

TEST(DocumentText, BreaksAreOneNewlineInThePaneAndCrLfInTheFile) {
  const CodePage cp949 = CodePage::named("CP949");
  EXPECT_EQ(document_text("<p>\xC7\xD1\xB1\xDB</p>\r\nx", cp949), "<p>한글</p>\nx");
  EXPECT_EQ(document_bytes("<p>한글</p>\nx", cp949), "<p>\xC7\xD1\xB1\xDB</p>\r\nx");
  EXPECT_EQ(saved_again("a\nb\rc\n\rd\r\n", cp949), "a\r\nb\r\nc\r\n\r\nd\r\n");
  EXPECT_EQ(document_bytes("", cp949), "");
  EXPECT_EQ(document_bytes("end\n", cp949), "end\r\n");
  EXPECT_EQ(document_bytes("end", cp949), "end");
}

TEST(DocumentText, TextEndsAtTheFirstNul) {
  const CodePage utf8 = CodePage::named("UTF-8");
  EXPECT_EQ(document_text(std::string("ab\ncd\0ef\n", 9), utf8), "ab\ncd");
  // UTF-16 shows what comes before its first zero byte, with or without a mark.
  EXPECT_EQ(document_text(std::string("<\0p\0>\0", 6), utf8), "<");
  EXPECT_EQ(document_text(std::string("\xFF\xFE<\0p\0", 6), utf8), "\U0010FFFF\U0010FFFE<");
  EXPECT_EQ(saved_again(std::string("\xFF\xFE<\0p\0", 6), utf8), "\xFF\xFE<");
  EXPECT_EQ(document_text(std::string("\0abc", 4), utf8), "");
}

TEST(DocumentText, ByteOrderMarkAndInvalidBytesComeBackUnchanged) {
  for (const char* name : {"UTF-8", "CP949"}) {
    const CodePage page = CodePage::named(name);
    for (const std::string file : {"\xEF\xBB\xBF<html>\r\n", "\xFF\xFE\x80 \xC0\xAF\r\n\xFE", "\xF4\x8F\xBF\xBF\r\n"})
      EXPECT_EQ(saved_again(file, page), file) << name;
  }
  EXPECT_EQ(document_text("\xEF\xBB\xBFx", CodePage::named("UTF-8")), "\xEF\xBB\xBFx");
}

TEST(DocumentText, EveryCp949PairRoundTripsBeforeABreak) {
  const CodePage cp949 = CodePage::named("CP949");
  int failures = 0;
  for (int lead = 0x81; lead <= 0xFE && failures < 10; ++lead) {
    for (int trail = 0x41; trail <= 0xFE && failures < 10; ++trail) {
      const std::string file{static_cast<char>(lead), static_cast<char>(trail), '\r', '\n', 'x'};
      const std::string text = document_text(file, cp949);
      if (saved_again(file, cp949) != file || text.find('\n') == std::string::npos) {
        ++failures;
        ADD_FAILURE() << std::hex << lead << " " << trail;
      }
    }
  }
}

TEST(DocumentText, UnassignedCp949PairKeepsBothBytesAndTheBreak) {
  const CodePage cp949 = CodePage::named("CP949");
  const std::string file = "a\xA2\xE8\r\nb";
  const std::string text = document_text(file, cp949);
  EXPECT_EQ(text, "a\U0010FFA2\U0010FFE8\nb");
  EXPECT_EQ(document_bytes(text, cp949), file);
}

TEST(DocumentText, LeadByteBeforeABreakKeepsItsBytes) {
  const CodePage cp949 = CodePage::named("CP949");
  // The CR or LF after a lead byte is part of the pair, not a line break of
  // the text; a break after the pair stays one.
  EXPECT_EQ(document_text("x\x81\ry", cp949), "x\U0010FF81\U0010FF0Dy");
  EXPECT_EQ(document_text("x\x81\ny", cp949), "x\U0010FF81\U0010FF0Ay");
  EXPECT_EQ(document_text("x\x81\r\ny", cp949), "x\U0010FF81\U0010FF0D\ny");
  EXPECT_EQ(saved_again("x\x81\r\r\ny", cp949), "x\x81\r\r\ny");
  EXPECT_EQ(saved_again("x\x81\ry", cp949), "x\x81\ry");
  EXPECT_EQ(saved_again("x\x81\r\ny", cp949), "x\x81\r\r\ny");
  EXPECT_EQ(saved_again("x\x81\ny", cp949), "x\x81\ny");
  EXPECT_EQ(saved_again("x\x81\n\ny", cp949), "x\x81\n\r\ny");
}

TEST(DocumentText, AnUnencodableCharacterNamesItselfAndItsLine) {
  const CodePage cp949 = CodePage::named("CP949");
  try {
    document_bytes("first\n한글\nab\xE2\x82\xAC\xF0\x9F\x98\x80", cp949);
    ADD_FAILURE() << "no error";
  } catch (const tagpad::Error& e) {
    EXPECT_STREQ(e.what(), "Cannot encode character U+1F600 on line 3 in code page CP949");
  }
  try {
    document_bytes("\xC4\x80", cp949);  // Ā
    ADD_FAILURE() << "no error";
  } catch (const tagpad::Error& e) {
    EXPECT_STREQ(e.what(), "Cannot encode character U+0100 on line 1 in code page CP949");
  }
}

TEST(DocumentText, LongTextsSaveWholeWhereverCharactersMeetPieceBoundaries) {
  const CodePage cp949 = CodePage::named("CP949");
  // Korean, an undecodable byte, a lead byte before a break and plain breaks,
  // shifted so that every kind of character meets the encoder's piece edges.
  const std::string pattern = "한글\r\nx\xFFy\x81\nz\r\n";
  std::string body;
  while (body.size() < 300 * 1024) body += pattern;
  for (std::size_t shift = 0; shift < pattern.size(); ++shift) {
    const std::string file = std::string(shift, 'a') + body;
    EXPECT_EQ(saved_again(file, cp949), file) << "shift " << shift;
  }
  std::string text(200 * 1024, 'a');
  text += "\n\n\xF0\x9F\x98\x80";
  try {
    document_bytes(text, cp949);
    ADD_FAILURE() << "no error";
  } catch (const tagpad::Error& e) {
    EXPECT_STREQ(e.what(), "Cannot encode character U+1F600 on line 3 in code page CP949");
  }
}
