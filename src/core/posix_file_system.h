// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/file_system.h"

#include <sys/types.h>

namespace tagpad {

/// The file system through POSIX calls; advisory locks stand in for the
/// sharing modes of the original design.
class PosixFileSystem : public FileSystem {
 public:
  std::string read_file(const std::string& path) override;
  std::string write_target(const std::string& path) override;
  bool regular_file_exists(const std::string& path) override;
  std::unique_ptr<NewFile> create_temporary(const std::string& folder) override;
  void rename(const std::string& from, const std::string& to) override;
  void remove(const std::string& path) noexcept override;
  void create_folders(const std::string& path) override;
  std::vector<std::string> list_folder(const std::string& folder) override;

 protected:
  /// One read(2) of a file that read_file reads; where a failing device can
  /// be stood in for.
  virtual ssize_t read_some(int fd, char* buffer, std::size_t size);
};

}  // namespace tagpad
