// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/search.h"

#include "support/fake_text_target.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using tagpad::Direction;
using tagpad::Search;
using tagpad::SearchOptions;
using tagpad::testing::FakeClipboard;
using tagpad::testing::FakeTextTarget;

namespace {

constexpr SearchOptions AnyCase{};
constexpr SearchOptions MatchCase{.match_case = true};
constexpr SearchOptions WholeWord{.whole_word = true};

// Repeats find next until nothing is found; returns the match starts.
std::vector<std::size_t> walk(FakeTextTarget& target, std::string_view text, Direction direction,
                              SearchOptions options) {
  std::vector<std::size_t> starts;
  while (Search(target, text, direction, options).find_next()) {
    EXPECT_EQ(target.selection_length(), tagpad::testing::to_u32(text).size());
    starts.push_back(target.selection_start());
  }
  return starts;
}

using Starts = std::vector<std::size_t>;

}  // namespace

TEST(Search, StopsAtTheEndsWithoutWrapping) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "ab ab ab");
  EXPECT_EQ(walk(target, "ab", Direction::Down, AnyCase), (Starts{0, 3, 6}));
  // The last match stays selected after the failed request.
  EXPECT_EQ(target.selection_start(), 6u);
  EXPECT_EQ(target.selection_length(), 2u);
  EXPECT_EQ(walk(target, "ab", Direction::Up, AnyCase), (Starts{3, 0}));
  EXPECT_EQ(target.selection_start(), 0u);
}

TEST(Search, DownStartsAfterTheSelectionAndUpEndsBeforeIt) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "aaaa");
  target.set_selection(1, 2);
  EXPECT_TRUE(Search(target, "a", Direction::Down, AnyCase).find_next());
  EXPECT_EQ(target.selection_start(), 3u);
  target.set_selection(1, 2);
  EXPECT_TRUE(Search(target, "a", Direction::Up, AnyCase).find_next());
  EXPECT_EQ(target.selection_start(), 0u);
  // Matches never overlap the selection: "aa" at 0 leaves only "aa" at 2.
  target.set_selection(0, 0);
  EXPECT_EQ(walk(target, "aa", Direction::Down, AnyCase), (Starts{0, 2}));
  target.set_selection(1, 0);
  EXPECT_FALSE(Search(target, "aa", Direction::Up, AnyCase).find_next());
  EXPECT_EQ(target.selection_start(), 1u);
}

TEST(Search, EmptyTextOrEmptyPatternFindsNothing) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard);
  EXPECT_FALSE(Search(target, "a", Direction::Down, AnyCase).find_next());
  target.set_text("abc");
  EXPECT_FALSE(Search(target, "", Direction::Down, AnyCase).find_next());
  EXPECT_FALSE(Search(target, "abcd", Direction::Down, AnyCase).find_next());
  EXPECT_EQ(target.reads(), 0u);
}

TEST(Search, WholeWordStepsOverUnderscore) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "foo_bar bar");
  // The underscore is a delimiter, so "bar" after it is a word of its own.
  EXPECT_EQ(walk(target, "bar", Direction::Down, WholeWord), (Starts{4, 8}));
}

TEST(Search, WholeWordTriesTheSearchStartInsideAWord) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "xfoo");
  target.set_selection(1, 0);
  EXPECT_EQ(walk(target, "foo", Direction::Down, WholeWord), (Starts{1}));
  // From the start, "foo" begins no word.
  target.set_selection(0, 0);
  EXPECT_FALSE(Search(target, "foo", Direction::Down, WholeWord).find_next());
}

TEST(Search, WholeWordUpVisitsWordStartsDownToZero) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "foo bar foo");
  target.set_selection(11, 0);
  EXPECT_EQ(walk(target, "foo", Direction::Up, WholeWord), (Starts{8, 0}));
  // Leading delimiters leave no word start to step to.
  target.set_text("  foo.  ");
  target.set_selection(8, 0);
  EXPECT_EQ(walk(target, "foo", Direction::Up, WholeWord), (Starts{2}));
  // Upwards the text's start is a candidate only when a word begins there;
  // downwards the search start is tried whatever it is.
  target.set_text("..x foo");
  target.set_selection(7, 0);
  EXPECT_FALSE(Search(target, "..x", Direction::Up, WholeWord).find_next());
  target.set_selection(0, 0);
  EXPECT_TRUE(Search(target, "..x", Direction::Down, WholeWord).find_next());
}

TEST(Search, WholeWordNeedsADelimiterOrTheEndAfterTheMatch) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "foobar foo1 foo");
  EXPECT_EQ(walk(target, "foo", Direction::Down, WholeWord), (Starts{12}));
  target.set_selection(15, 0);
  EXPECT_EQ(walk(target, "foo", Direction::Up, WholeWord), (Starts{12}));
  target.set_text("a foob");
  EXPECT_FALSE(Search(target, "foo", Direction::Down, WholeWord).find_next());
  // Codes above 127 are delimiters, on either side.
  target.set_text("fooé éfoo");
  EXPECT_EQ(walk(target, "foo", Direction::Down, WholeWord), (Starts{0, 6}));
  // Without whole word, words inside words count.
  target.set_text("foobar foo1 foo");
  EXPECT_EQ(walk(target, "foo", Direction::Down, AnyCase), (Starts{0, 7, 12}));
}

TEST(Search, UpperCasesEachCharacterUnlessMatchCase) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "Hello HELLO hello");
  EXPECT_EQ(walk(target, "hELLo", Direction::Down, AnyCase), (Starts{0, 6, 12}));
  target.set_selection(0, 0);
  EXPECT_EQ(walk(target, "hello", Direction::Down, MatchCase), (Starts{12}));
  target.set_text("<p>ÄRGER 한글</p> ärger");
  EXPECT_EQ(walk(target, "ärger 한글", Direction::Down, AnyCase), (Starts{3}));
  target.set_selection(0, 0);
  EXPECT_EQ(walk(target, "ärger", Direction::Down, MatchCase), (Starts{16}));
  // One character at a time: ß has no single upper-case character.
  target.set_text("STRASSE");
  target.set_selection(0, 0);
  EXPECT_FALSE(Search(target, "straße", Direction::Down, AnyCase).find_next());
}

TEST(Search, FindsMatchesAcrossEveryReadBoundary) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard);
  for (std::size_t first_read : {1u, 2u, 3u, 5u}) {
    for (std::size_t at = 0; at + 3 <= 40; ++at) {
      std::string text(40, '.');
      text.replace(at, 3, "abc");
      target.set_text(text);
      for (SearchOptions options : {AnyCase, WholeWord}) {
        for (Direction direction : {Direction::Down, Direction::Up}) {
          target.set_selection(direction == Direction::Down ? 0 : 40, 0);
          target.reset_read_counts();
          ASSERT_TRUE(Search(target, "ABC", direction, options, first_read).find_next()) << first_read << " " << at;
          EXPECT_EQ(target.selection_start(), at);
          // The overlap is kept, not read again.
          EXPECT_LE(target.characters_read(), 40u);
        }
      }
    }
  }
  // A word that straddles a boundary is still a word.
  target.set_text("abc abcabc abc.");
  target.set_selection(14, 0);
  Search up(target, "abc", Direction::Up, WholeWord, 2);
  EXPECT_TRUE(up.find_next());
  EXPECT_EQ(target.selection_start(), 11u);
  EXPECT_TRUE(up.find_next());
  EXPECT_EQ(target.selection_start(), 0u);
}

TEST(Search, ReadsOnlyTheStretchUpToTheMatch) {
  FakeClipboard clipboard;
  std::string text(1'000'000, 'x');
  text.replace(10'000, 6, "needle");
  text.replace(500'000, 6, "needle");
  FakeTextTarget target(clipboard, text);
  EXPECT_TRUE(Search(target, "needle", Direction::Down, AnyCase).find_next());
  EXPECT_EQ(target.selection_start(), 10'000u);
  EXPECT_LT(target.characters_read(), 3 * 10'000u);
  target.reset_read_counts();
  EXPECT_TRUE(Search(target, "needle", Direction::Down, AnyCase).find_next());
  EXPECT_EQ(target.selection_start(), 500'000u);
  EXPECT_LT(target.characters_read(), 3 * 490'000u);
  // A search that finds nothing reads each remaining character once.
  target.reset_read_counts();
  EXPECT_FALSE(Search(target, "needle", Direction::Down, AnyCase).find_next());
  EXPECT_LE(target.characters_read(), 500'000u);
  target.reset_read_counts();
  target.set_selection(999'000, 0);
  EXPECT_TRUE(Search(target, "needle", Direction::Up, AnyCase).find_next());
  EXPECT_EQ(target.selection_start(), 500'000u);
  EXPECT_LT(target.characters_read(), 3 * 499'000u);
}

TEST(Search, NotFoundMessageQuotesTheSearchText) {
  EXPECT_EQ(tagpad::not_found_message("a b"), "Text not found: \"a b\"");
  EXPECT_EQ(tagpad::not_found_message("한글"), "Text not found: \"한글\"");
}
