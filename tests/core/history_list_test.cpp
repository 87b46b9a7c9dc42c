// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/history_list.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include <string>

using tagpad::HistoryList;

namespace {

// The message of the tagpad::Error thrown by at(index), or "" if none was.
std::string at_error(const HistoryList& list, int index) {
  try {
    list.at(index);
  } catch (const tagpad::Error& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(HistoryList, AddsInOrderAndFindsWithoutRegardToCase) {
  HistoryList list;
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.index_of("anything"), -1);
  EXPECT_TRUE(list.add("http://Example.com"));
  EXPECT_TRUE(
      list.add("\xC3\x84"
               "BC"));  // ÄBC
  EXPECT_TRUE(list.add("third"));
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.at(0), "http://Example.com");
  EXPECT_EQ(list.at(1),
            "\xC3\x84"
            "BC");
  EXPECT_EQ(list.at(2), "third");
  EXPECT_EQ(list.index_of("HTTP://EXAMPLE.COM"), 0);
  EXPECT_EQ(list.index_of("\xC3\xA4"
                          "bc"),
            1);  // äbc
  EXPECT_EQ(list.index_of("THIRD"), 2);
  EXPECT_EQ(list.index_of("abc"), -1);  // A without the umlaut is a different letter
  EXPECT_EQ(list.index_of("http://example.co"), -1);
  EXPECT_EQ(list.index_of(""), -1);
}

TEST(HistoryList, RefusesEmptyTextAndDuplicates) {
  HistoryList list;
  EXPECT_FALSE(list.add(""));
  EXPECT_EQ(list.count(), 0);
  EXPECT_TRUE(list.add("Page"));
  EXPECT_FALSE(list.add("Page"));
  EXPECT_FALSE(list.add("PAGE"));
  EXPECT_FALSE(list.add("page"));
  EXPECT_TRUE(
      list.add("\xC3\xA4"
               "bc"));
  EXPECT_FALSE(
      list.add("\xC3\x84"
               "BC"));
  EXPECT_EQ(list.count(), 2);
  // The first spelling typed is the one kept.
  EXPECT_EQ(list.at(0), "Page");
  EXPECT_EQ(list.at(1),
            "\xC3\xA4"
            "bc");
}

TEST(HistoryList, IndexOutOfRangeThrows) {
  HistoryList list;
  EXPECT_EQ(at_error(list, 0), "List index out of bounds (0)");
  list.add("a");
  list.add("b");
  list.add("c");
  EXPECT_EQ(at_error(list, -2), "List index out of bounds (-2)");
  EXPECT_EQ(at_error(list, -1), "List index out of bounds (-1)");
  EXPECT_EQ(at_error(list, 3), "List index out of bounds (3)");
  EXPECT_EQ(at_error(list, 2), "");
  EXPECT_EQ(at_error(list, 0), "");
}
