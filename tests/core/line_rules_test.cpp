// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/line_rules.h"

#include <gtest/gtest.h>

#include <string>

using tagpad::line_count;
using tagpad::line_count_text;
using tagpad::line_insertion;

namespace {

// The control's view of a text: lines as a GtkTextBuffer counts them, and
// whether the last one is empty.
int status_count(const std::string& text) {
  int lines = 1;
  for (char c : text) lines += c == '\n';
  return line_count(lines, text.empty() || text.back() == '\n');
}

std::string with_line_added(std::string text, std::string_view line) {
  const auto insertion = line_insertion(line, text.size(), text.empty() || text.back() == '\n');
  return text.insert(insertion.position, insertion.text);
}

}  // namespace

TEST(LineRules, CountLeavesOutAnEmptyLastLine) {
  EXPECT_EQ(status_count(""), 0);
  EXPECT_EQ(status_count("abc"), 1);
  EXPECT_EQ(status_count("abc\n"), 1);
  EXPECT_EQ(status_count("abc\ndef"), 2);
  EXPECT_EQ(status_count("\n"), 1);
  EXPECT_EQ(status_count("abc\n\n"), 2);
  EXPECT_EQ(line_count_text(0), "0 줄");
  EXPECT_EQ(line_count_text(12), "12 줄");
}

TEST(LineRules, AddedLineBecomesTheNextLine) {
  EXPECT_EQ(with_line_added("", "<p>"), "<p>\n");
  EXPECT_EQ(with_line_added("a\n", "<p>"), "a\n<p>\n");
  EXPECT_EQ(with_line_added("a", "<p>"), "a\n<p>");
  EXPECT_EQ(with_line_added("a\n\n", ""), "a\n\n\n");
  // After a line that holds text, an empty line adds only the break that
  // ends that line, so the count stays.
  EXPECT_EQ(with_line_added("a", ""), "a\n");
  EXPECT_EQ(status_count(with_line_added("a", "")), 1);
  // Each added line is counted.
  EXPECT_EQ(status_count(with_line_added(with_line_added("", "a"), "b")), 2);
  EXPECT_EQ(status_count(with_line_added(with_line_added("x", "a"), "b")), 3);
}
