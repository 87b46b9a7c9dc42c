// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/document_file.h"

#include "core/code_page.h"
#include "core/error.h"
#include "core/file_messages.h"
#include "support/fake_document_pane.h"
#include "support/fault_file_system.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>

namespace tagpad {
namespace {

// A small document as the pane holds it and as its CP949 file.
constexpr std::string_view SmallText = "<p>\xED\x95\x9C\xEA\xB8\x80</p>\nend";
constexpr std::string_view SmallFile = "<p>\xC7\xD1\xB1\xDB</p>\r\nend";

class DocumentFile : public testing::Test {
 protected:
  // The message of the error that `action` throws, or "" when none.
  template <typename Action>
  static std::string error_of(Action action) {
    try {
      action();
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  }

  std::string open_error(const std::string& path) {
    return error_of([&] { open_document(files, path, cp949, pane); });
  }
  std::string save_error(const std::string& path) {
    return error_of([&] { save_document(files, path, cp949, pane); });
  }

  const CodePage cp949 = CodePage::named("CP949");
  TempFolder folder;
  FaultFileSystem files;
  FakeDocumentPane pane{"kept\n"};
};

TEST_F(DocumentFile, OpenReplacesTheTextOnceAndOnlyWhenItDiffers) {
  write_file(folder / "a.html", "<p>\xC7\xD1</p>\nend");
  open_document(files, folder / "a.html", cp949, pane);
  EXPECT_EQ(pane.text(), "<p>한</p>\nend");
  EXPECT_EQ(pane.changes, 1);
  EXPECT_EQ(pane.suspended, 0);
  write_file(folder / "same.html", "<p>\xC7\xD1</p>\r\nend");
  open_document(files, folder / "same.html", cp949, pane);
  EXPECT_EQ(pane.changes, 1);
  write_file(folder / "empty.html", "");
  open_document(files, folder / "empty.html", cp949, pane);
  EXPECT_EQ(pane.text(), "");
  EXPECT_EQ(pane.changes, 2);
}

TEST_F(DocumentFile, WhatCannotBeOpenedLeavesThePaneAlone) {
  std::filesystem::create_directory(folder / "dir");
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
  const struct {
    std::string path;
    int code;
  } cases[] = {{folder / "missing.html", ENOENT},
               {folder / "no-folder/a.html", ENOENT},
               {folder / "dir", EISDIR},
               {folder / "fifo", EINVAL},
               {"/dev/zero", EINVAL}};
  for (const auto& c : cases) {
    EXPECT_EQ(open_error(c.path), cannot_open_file_message(c.path, c.code)) << c.path;
    EXPECT_EQ(pane.text(), "kept\n");
    EXPECT_EQ(pane.changes, 0);
    EXPECT_EQ(pane.suspended, 0);
  }
  EXPECT_EQ(open_error(folder / "x/../missing.html"),
            "Cannot open file \"" + (folder / "missing.html") + "\". " + g_strerror(ENOENT));
}

TEST_F(DocumentFile, AWriterHoldingTheFileKeepsTheOpenOut) {
  write_file(folder / "busy.html", "x");
  const int fd = ::open((folder / "busy.html").c_str(), O_RDWR);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  EXPECT_EQ(open_error(folder / "busy.html"), cannot_open_file_message(folder / "busy.html", EWOULDBLOCK));
  ::close(fd);
  EXPECT_EQ(open_error(folder / "busy.html"), "");
}

TEST_F(DocumentFile, TextBeyondTheCapacityIsRefused) {
  write_file(folder / "big.html", std::string(100, 'x'));
  EXPECT_EQ(error_of([&] { open_document(files, folder / "big.html", cp949, pane, 99); }), TextExceedsMemoCapacity);
  EXPECT_EQ(pane.text(), "kept\n");
  EXPECT_EQ(pane.changes, 0);
  EXPECT_EQ(pane.suspended, 0);
  open_document(files, folder / "big.html", cp949, pane, 100);
  EXPECT_EQ(pane.text(), std::string(100, 'x'));
}

TEST_F(DocumentFile, SaveWritesCrLfInTheCodePageAndReplacesAnExistingFile) {
  pane.set_text("<p>한글</p>\n\nend");
  write_file(folder / "out", "old contents that are longer");
  ASSERT_EQ(chmod((folder / "out").c_str(), 0640), 0);
  save_document(files, folder / "out", cp949, pane);
  EXPECT_EQ(read_file(folder / "out"), "<p>\xC7\xD1\xB1\xDB</p>\r\n\r\nend");
  struct stat st;
  ASSERT_EQ(stat((folder / "out").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"out"});
  pane.set_text("");
  save_document(files, folder / "new", cp949, pane);
  EXPECT_EQ(read_file(folder / "new"), "");
}

TEST_F(DocumentFile, SaveThroughALinkWritesItsTargetAndKeepsTheLink) {
  std::filesystem::create_directory(folder / "real");
  write_file(folder / "real/target.html", "old");
  std::filesystem::create_symlink("real/target.html", folder / "link.html");
  std::filesystem::create_symlink(folder / "link.html", folder / "link2.html");
  pane.set_text("new");
  save_document(files, folder / "link2.html", cp949, pane);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.html"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link2.html"));
  EXPECT_EQ(read_file(folder / "real/target.html"), "new");
  EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.html", "link2.html", "real"}));
  // A link to a file not there yet creates it.
  std::filesystem::create_symlink("real/later.html", folder / "dangling.html");
  save_document(files, folder / "dangling.html", cp949, pane);
  EXPECT_EQ(read_file(folder / "real/later.html"), "new");
}

TEST_F(DocumentFile, WhatCannotBeCreatedIsReportedAndTouchesNothing) {
  std::filesystem::create_directory(folder / "dir");
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
  EXPECT_EQ(save_error(folder / "no-folder/a.html"), cannot_create_file_message(folder / "no-folder/a.html", ENOENT));
  EXPECT_EQ(save_error(folder / "dir"), cannot_create_file_message(folder / "dir", EISDIR));
  EXPECT_EQ(save_error(folder / "fifo"), cannot_create_file_message(folder / "fifo", EINVAL));
  EXPECT_EQ(save_error("/dev/null"), cannot_create_file_message("/dev/null", EINVAL));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_EQ(folder.names(), (std::vector<std::string>{"dir", "fifo"}));
  EXPECT_TRUE(std::filesystem::is_empty(folder / "dir"));
}

TEST_F(DocumentFile, AFailureAtAnyStepKeepsTheOldFileAndLeavesNoTemporary) {
  using Step = FaultFileSystem::Step;
  constexpr std::size_t Chunk = std::size_t{1} << 20;
  const std::string old = "old file\r\n";
  // Several chunks' worth of text, so that a write can fail at a later
  // chunk's start and within the last one.
  pane.set_text(std::string(5 * Chunk / 2, 'x'));
  const struct {
    Step step;
    std::size_t at;
    std::string message;
  } cases[] = {{Step::Create, 0, cannot_create_file_message(folder / "doc.html", ENOSPC)},
               {Step::Write, 0, StreamWriteError},
               {Step::Write, Chunk, StreamWriteError},
               {Step::Write, 2 * Chunk + 1, StreamWriteError},
               {Step::Sync, 0, StreamWriteError},
               {Step::Close, 0, StreamWriteError},
               {Step::Rename, 0, cannot_create_file_message(folder / "doc.html", EXDEV)}};
  for (const auto& c : cases) {
    write_file(folder / "doc.html", old);
    files.fail(c.step, c.at);
    EXPECT_EQ(save_error(folder / "doc.html"), c.message) << static_cast<int>(c.step) << " at " << c.at;
    EXPECT_EQ(read_file(folder / "doc.html"), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"doc.html"});
  }
  files.fail(Step::None);
  EXPECT_EQ(save_error(folder / "doc.html"), "");
  EXPECT_EQ(read_file(folder / "doc.html").size(), pane.text().size());
}

TEST_F(DocumentFile, AWriteFailingAtAnyByteKeepsTheOldFile) {
  const std::string old = "old file\r\n";
  pane.set_text(std::string(SmallText));
  for (std::size_t at = 0; at < SmallFile.size(); ++at) {
    write_file(folder / "doc.html", old);
    files.fail(FaultFileSystem::Step::Write, at);
    EXPECT_EQ(save_error(folder / "doc.html"), StreamWriteError) << "at " << at;
    EXPECT_EQ(read_file(folder / "doc.html"), old) << "at " << at;
    EXPECT_EQ(folder.names(), std::vector<std::string>{"doc.html"}) << "at " << at;
  }
  // A failure beyond the last byte is none.
  files.fail(FaultFileSystem::Step::Write, SmallFile.size());
  EXPECT_EQ(save_error(folder / "doc.html"), "");
  EXPECT_EQ(read_file(folder / "doc.html"), SmallFile);
}

TEST_F(DocumentFile, AReadFailingPartWayLeavesThePaneAlone) {
  write_file(folder / "doc.html", std::string(SmallFile));
  // Up to the last byte, and then at the check for more beyond the size.
  for (std::size_t at = 0; at <= SmallFile.size(); ++at) {
    files.fail(FaultFileSystem::Step::Read, at);
    EXPECT_EQ(open_error(folder / "doc.html"), cannot_open_file_message(folder / "doc.html", EIO)) << "at " << at;
    EXPECT_EQ(pane.text(), "kept\n");
    EXPECT_EQ(pane.changes, 0);
    EXPECT_EQ(pane.suspended, 0);
  }
  files.fail(FaultFileSystem::Step::None);
  EXPECT_EQ(open_error(folder / "doc.html"), "");
  EXPECT_EQ(pane.text(), SmallText);
}

TEST_F(DocumentFile, AnUnencodableCharacterWritesNothing) {
  write_file(folder / "doc.html", "old");
  pane.set_text("a\n\xF0\x9F\x98\x80");
  EXPECT_EQ(save_error(folder / "doc.html"), "Cannot encode character U+1F600 on line 2 in code page CP949");
  EXPECT_EQ(read_file(folder / "doc.html"), "old");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"doc.html"});
}

TEST_F(DocumentFile, AFileSizeLimitStopsTheWriteAndTheOldFileSurvives) {
  const std::string old(3000, 'o');
  write_file(folder / "doc.html", old);
  pane.set_text(std::string(100000, 'n'));
  int pipe_fds[2];
  ASSERT_EQ(pipe(pipe_fds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The limit makes the kernel end the write short, as a full disk would.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{50000, 50000};
    setrlimit(RLIMIT_FSIZE, &limit);
    PosixFileSystem real;
    const std::string message = error_of([&] { save_document(real, folder / "doc.html", cp949, pane); });
    (void)!write(pipe_fds[1], message.data(), message.size());
    _exit(0);
  }
  ::close(pipe_fds[1]);
  std::string message;
  char buffer[256];
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) message.append(buffer, n);
  ::close(pipe_fds[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(message, StreamWriteError);
  EXPECT_EQ(read_file(folder / "doc.html"), old);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"doc.html"});
}

}  // namespace
}  // namespace tagpad
