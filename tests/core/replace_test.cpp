// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/replace.h"

#include "support/fake_text_target.h"

#include <gtest/gtest.h>

#include <string>

using tagpad::replace;
using tagpad::replace_all;
using tagpad::SearchOptions;
using tagpad::testing::FakeClipboard;
using tagpad::testing::FakeTextTarget;

namespace {

constexpr SearchOptions AnyCase{};
constexpr SearchOptions MatchCaseWholeWord{.match_case = true, .whole_word = true};

std::string repeated(std::string_view piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text.append(piece);
  return text;
}

}  // namespace

TEST(Replace, SelectionEqualIgnoringCaseIsReplacedWhateverTheOptions) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "xFOOx foo");
  target.set_selection(1, 3);
  EXPECT_TRUE(replace(target, "foo", "bar", MatchCaseWholeWord));
  EXPECT_EQ(target.text(), "xbarx foo");
  // The next occurrence below becomes the selection, by the options.
  EXPECT_EQ(target.selection_start(), 6u);
  EXPECT_EQ(target.selection_length(), 3u);
  EXPECT_TRUE(replace(target, "foo", "bar", MatchCaseWholeWord));
  EXPECT_EQ(target.text(), "xbarx bar");
  // No next occurrence: still replaced, nothing to report.
  EXPECT_EQ(target.selection_start(), 9u);
  EXPECT_EQ(target.selection_length(), 0u);
  // The comparison is the locale's case folding, not per-character upper case.
  target.set_text("STRASSE");
  target.set_selection(0, 7);
  EXPECT_TRUE(replace(target, "straße", "road", AnyCase));
  EXPECT_EQ(target.text(), "road");
}

TEST(Replace, WithoutTheSelectionReplacesTheNextOccurrenceAtOnce) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "foo a foo foo");
  target.set_selection(1, 4);
  EXPECT_TRUE(replace(target, "foo", "bar", AnyCase));
  EXPECT_EQ(target.text(), "foo a bar foo");
  EXPECT_EQ(target.selection_start(), 9u);
  EXPECT_EQ(target.selection_length(), 0u);
  target.set_text("foo");
  target.set_selection(1, 0);
  EXPECT_FALSE(replace(target, "foo", "bar", AnyCase));
  EXPECT_EQ(target.text(), "foo");
  EXPECT_EQ(target.selection_start(), 1u);
}

TEST(ReplaceAll, TakesOnlyAnExactSelectionAndOtherwiseStartsAfterIt) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "Foo foo");
  target.set_selection(0, 3);
  EXPECT_EQ(replace_all(target, "foo", "bar", AnyCase), 1u);
  EXPECT_EQ(target.text(), "Foo bar");
  target.set_text("foo foo");
  target.set_selection(0, 3);
  EXPECT_EQ(replace_all(target, "foo", "bar", AnyCase), 2u);
  EXPECT_EQ(target.text(), "bar bar");
  EXPECT_EQ(target.selection_start(), 7u);
  // The only occurrence, selected: one replacement, no message.
  target.set_text("x foo y");
  target.set_selection(2, 3);
  EXPECT_EQ(replace_all(target, "foo", "bar", MatchCaseWholeWord), 1u);
  EXPECT_EQ(target.text(), "x bar y");
  EXPECT_EQ(target.selection_start(), 5u);
}

TEST(ReplaceAll, LeavesOccurrencesBeforeTheCaret) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "a a a a");
  target.set_selection(3, 0);
  EXPECT_EQ(replace_all(target, "A", "b", AnyCase), 2u);
  EXPECT_EQ(target.text(), "a a b b");
  target.set_selection(0, 0);
  EXPECT_EQ(replace_all(target, "c", "d", AnyCase), 0u);
  EXPECT_EQ(target.text(), "a a b b");
  EXPECT_EQ(target.selection_start(), 0u);
}

TEST(ReplaceAll, NeverSearchesInsertedText) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "aaa");
  EXPECT_EQ(replace_all(target, "a", "aa", AnyCase), 3u);
  EXPECT_EQ(target.text(), "aaaaaa");
  EXPECT_EQ(target.selection_start(), 6u);
  target.set_text("cat concat cat");
  EXPECT_EQ(replace_all(target, "cat", "cat cat", MatchCaseWholeWord), 2u);
  EXPECT_EQ(target.text(), "cat cat concat cat cat");
}

TEST(ReplaceAll, KeepsWhatItReadWhileTheTextShifts) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, repeated("foo,", 10'000));
  EXPECT_EQ(replace_all(target, "foo", "", AnyCase), 10'000u);
  EXPECT_EQ(target.text(), std::string(10'000, ','));
  target.set_text(repeated("foo,", 10'000));
  target.reset_read_counts();
  EXPECT_EQ(replace_all(target, "foo", "barbaz", AnyCase), 10'000u);
  EXPECT_EQ(target.text(), repeated("barbaz,", 10'000));
  // Each character of the original text is read about once.
  EXPECT_LE(target.characters_read(), 40'000u);
  EXPECT_LT(target.reads(), 20u);
}

TEST(Replace, ReplaceAllIsOneUndoStepAndKeepsTheHistoryBeforeIt) {
  FakeClipboard clipboard;
  FakeTextTarget target(clipboard, "foo foo");
  target.set_selection(7, 0);
  target.type(" foo");
  target.set_selection(0, 0);
  EXPECT_EQ(replace_all(target, "foo", "bar", AnyCase), 3u);
  EXPECT_EQ(target.text(), "bar bar bar");
  target.undo();
  EXPECT_EQ(target.text(), "foo foo foo");
  ASSERT_TRUE(target.can_undo());
  target.undo();
  EXPECT_EQ(target.text(), "foo foo");
}
