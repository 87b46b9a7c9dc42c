// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/file_messages.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <cerrno>

using namespace tagpad;

TEST(FileMessages, FullPathAndSystemTextWithoutItsFullStop) {
  EXPECT_EQ(cannot_open_file_message("/tmp/a b/x.html", ENOENT),
            std::string("Cannot open file \"/tmp/a b/x.html\". ") + g_strerror(ENOENT));
  EXPECT_EQ(cannot_create_file_message("/nowhere/x", EISDIR),
            std::string("Cannot create file \"/nowhere/x\". ") + g_strerror(EISDIR));
  EXPECT_EQ(message_path("/tmp/./a/../b.html"), "/tmp/b.html");
  std::unique_ptr<char, decltype(&g_free)> here(g_get_current_dir(), g_free);
  EXPECT_EQ(message_path("relative.txt"), std::string(here.get()) + "/relative.txt");
}

TEST(FileMessages, PathIsCutAt260Characters) {
  const std::string path = "/" + std::string(150, 'a') + "/" + std::string(200, 'b');
  EXPECT_EQ(message_path(path), path.substr(0, 260));
  std::string hangul = "/";
  for (int i = 0; i < 300; ++i) hangul += "한";
  const std::string shown = message_path(hangul);
  EXPECT_EQ(g_utf8_strlen(shown.c_str(), -1), 260);
  EXPECT_TRUE(g_utf8_validate(shown.c_str(), -1, nullptr));
}

TEST(FileMessages, SystemTextLosesTrailingBlanksControlsAndFullStops) {
  EXPECT_EQ(trimmed_system_text("No such file or directory"), "No such file or directory");
  EXPECT_EQ(trimmed_system_text("Access is denied. \r\n"), "Access is denied");
  EXPECT_EQ(trimmed_system_text("Odd...\t . "), "Odd");
  EXPECT_EQ(trimmed_system_text(" . "), "");
  EXPECT_EQ(trimmed_system_text(std::string(300, 'x')), std::string(255, 'x'));
  std::string hangul;
  for (int i = 0; i < 100; ++i) hangul += "한";
  EXPECT_EQ(trimmed_system_text(hangul), hangul.substr(0, 255));  // 85 whole characters
  EXPECT_EQ(trimmed_system_text("x" + hangul).size(), 253u);
  EXPECT_EQ(system_error_text(ENOENT), g_strerror(ENOENT));
}
