// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/address.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

using tagpad::complete_address;

namespace {

bool exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

bool never(const std::string&) { return false; }

// A file under the temporary directory, removed again at the end of its scope.
class TemporaryFile {
 public:
  TemporaryFile() {
    path_ = std::filesystem::temp_directory_path() / ("tagpad-address-test-" + std::to_string(::getpid()) + ".html");
    std::ofstream(path_) << "<p>hi</p>";
  }
  ~TemporaryFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

TEST(CompleteAddress, TextWithASchemeStaysAsItIs) {
  for (const std::string typed : {"http://x", "about:blank", "file:///tmp", "data:text/html,hi",
                                  "https://example.com/a?b=c", "ftp://host", "ABOUT:blank"}) {
    EXPECT_EQ(complete_address(typed, exists), typed);
    EXPECT_EQ(complete_address(typed, never), typed);
  }
}

TEST(CompleteAddress, HostNamesBecomeHttpUrls) {
  EXPECT_EQ(complete_address("example.com", exists), "http://example.com");
  EXPECT_EQ(complete_address("localhost:8080", exists), "http://localhost:8080");
  EXPECT_EQ(complete_address("localhost:8080/page", never), "http://localhost:8080/page");
  EXPECT_EQ(complete_address("www.example.com/path", never), "http://www.example.com/path");
}

TEST(CompleteAddress, ExistingPathBecomesAFileUrl) {
  TemporaryFile file;
  ASSERT_TRUE(exists(file.path().string()));
  const std::string absolute = std::filesystem::absolute(file.path()).lexically_normal().string();
  const std::string expected = "file://" + absolute;  // the name holds no characters to escape
  EXPECT_EQ(complete_address(file.path().string(), exists), expected);

  // A relative spelling of the same file is made absolute.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(file.path().parent_path());
  const std::string relative = file.path().filename().string();
  EXPECT_EQ(complete_address(relative, exists), expected);
  EXPECT_EQ(complete_address("./" + relative, exists), expected);
  std::filesystem::current_path(previous);

  // Not taken for a path when it does not exist.
  EXPECT_EQ(complete_address(file.path().string(), never), "http://" + file.path().string());
}
