// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/code_page.h"
#include "core/document_file.h"
#include "core/error.h"
#include "core/recovery_copies.h"
#include "core/recovery_schedule.h"
#include "support/fake_document_pane.h"
#include "support/fake_timers.h"
#include "support/fault_file_system.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace tagpad {
namespace {

using testing::FakeTimers;
using Generation = RecoverySchedule::Generation;

class RecoveryScheduleTest : public ::testing::Test {
 protected:
  FakeTimers timers;
  // Each copy finishes at once unless the test holds it.
  RecoverySchedule schedule{timers, [this](Generation generation) {
                              copies.push_back(timers.now());
                              if (!hold_copies) schedule.copy_finished(generation, true);
                            }};
  std::vector<unsigned long> copies;
  bool hold_copies = false;
};

TEST_F(RecoveryScheduleTest, ACopyFollowsAPauseAndSteadyTypingIsCopiedEveryFewSeconds) {
  schedule.text_changed(false);
  timers.advance(1999);
  EXPECT_TRUE(copies.empty());
  timers.advance(1);
  EXPECT_EQ(copies, std::vector<unsigned long>{2000});
  EXPECT_FALSE(schedule.has_uncopied_text());
  timers.advance(60'000);
  EXPECT_EQ(copies.size(), 1u);  // nothing changed since

  // A key every 300 ms for 12 s: never a pause, a copy every 5 s.
  copies.clear();
  for (int key = 0; key < 40; ++key) {
    schedule.text_changed(false);
    timers.advance(300);
  }
  // The first key at 62 s, the first uncopied one after the copy at 67.1 s.
  EXPECT_EQ(copies, (std::vector<unsigned long>{67'000, 72'100}));
  timers.advance(5000);
  EXPECT_EQ(copies.back(), 77'100u);  // the last keys, once spacing allows
}

TEST_F(RecoveryScheduleTest, NothingIsCopiedForAnEmptyTextOrOneTheFileHolds) {
  schedule.text_changed(true);
  timers.advance(10'000);
  schedule.text_changed(false);
  schedule.text_matches_file();
  timers.advance(10'000);
  EXPECT_TRUE(copies.empty());
  EXPECT_FALSE(schedule.has_uncopied_text());
}

TEST_F(RecoveryScheduleTest, OneCopyAtATimeAndAFailedOneLeavesTheTextUncopied) {
  hold_copies = true;
  schedule.text_changed(false);
  timers.advance(2000);
  ASSERT_EQ(copies.size(), 1u);
  schedule.text_changed(false);
  timers.advance(20'000);
  EXPECT_EQ(copies.size(), 1u);  // still writing the first
  schedule.copy_finished(1, false);
  EXPECT_EQ(copies.size(), 2u);  // the waiting one goes at once
  EXPECT_TRUE(schedule.has_uncopied_text());
  schedule.copy_finished(2, true);
  EXPECT_FALSE(schedule.has_uncopied_text());
}

class RecoveryCopies : public ::testing::Test {
 protected:
  std::string write(std::string_view text, const CodePage& page, long pid = 42) {
    return write_recovery_copy(files, folder / "state", text, page, now += std::chrono::seconds(1), pid);
  }

  std::string reopened(const std::string& path, const CodePage& page) {
    FakeDocumentPane pane;
    open_document(files, path, page, pane);
    return pane.text();
  }

  TempFolder folder;
  FaultFileSystem files;
  std::chrono::system_clock::time_point now{std::chrono::hours(24 * 365 * 56)};
  const CodePage korean = CodePage::named("CP949");
};

TEST_F(RecoveryCopies, ACopyOpensToTheExactTextAndUtf8KeepsWhatTheCodePageCannot) {
  const std::string text = "<p>한글</p>\nline 2\n\xF4\x8F\xBF\xBE";  // and a byte no code page decodes
  const std::string copy = write(text, korean);
  EXPECT_EQ(reopened(copy, korean), text);
  EXPECT_TRUE(copy.ends_with("Z-42.html")) << copy;

  const std::string emoji = "<p>\xF0\x9F\x98\x80</p>";
  const std::string utf8_copy = write(emoji, korean);
  EXPECT_TRUE(utf8_copy.ends_with("-42.UTF-8.html")) << utf8_copy;
  EXPECT_EQ(reopened(utf8_copy, CodePage::named("UTF-8")), emoji);
}

TEST_F(RecoveryCopies, TheNewestTenAreKeptAndTwoProcessesNeverShareAName) {
  std::vector<std::string> written;
  for (int i = 0; i < 12; ++i) written.push_back(write("text " + std::to_string(i), korean));
  const std::string other = write_recovery_copy(files, folder / "state", "other", korean, now, 43);
  write_file(folder / "state/notes.txt", "mine");
  write("last", korean);

  const std::vector<std::string> names = TempFolder::names_in(folder / "state");
  EXPECT_EQ(names.size(), 11u);  // ten copies and the user's own file
  EXPECT_TRUE(std::find(names.begin(), names.end(), "notes.txt") != names.end());
  for (int gone : {0, 1, 2, 3}) EXPECT_FALSE(std::filesystem::exists(written[gone])) << gone;
  EXPECT_TRUE(std::filesystem::exists(written[4]));
  EXPECT_NE(other, written.back());
  EXPECT_TRUE(std::filesystem::exists(other));
}

TEST_F(RecoveryCopies, AFolderThatCannotBeMadeOrFilledFailsAndKeepsTheEarlierCopies) {
  write_file(folder / "blocked", "a file where the folder should be");
  EXPECT_THROW(write_recovery_copy(files, folder / "blocked/tagpad", "text", korean, now, 42), Error);

  const std::string first = write("first", korean);
  files.fail(FaultFileSystem::Step::Write, 3);
  EXPECT_THROW(write("second, on a full disk", korean), Error);
  EXPECT_EQ(TempFolder::names_in(folder / "state"), std::vector<std::string>{first.substr(first.rfind('/') + 1)});
  EXPECT_EQ(read_file(first), "first");
}

TEST(RecoveryFiles, AFileBeingWrittenHasNoNameUntilItIsClosed) {
  TempFolder folder;
  PosixFileSystem files;
  auto file = files.create_temporary(folder.path());
  file->write("half a copy");
  EXPECT_TRUE(folder.names().empty());  // a kill now leaves nothing behind
  file->close();
  EXPECT_EQ(folder.names().size(), 1u);
}

}  // namespace
}  // namespace tagpad
