// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tagpad {

/// A failed call into the file system, carrying the system's error code.
class SystemError : public std::exception {
 public:
  explicit SystemError(int code) : code_(code) {}
  int code() const { return code_; }
  const char* what() const noexcept override { return "system error"; }

 private:
  int code_;
};

/// The file calls that opening and saving a document make. Every call that
/// can fail throws SystemError, unless it says otherwise. Calls may come
/// from two threads at once: recovery copies are written off the main loop.
class FileSystem {
 public:
  /// A new file being written. Closes itself if not closed explicitly.
  class NewFile {
   public:
    virtual ~NewFile() = default;
    virtual const std::string& path() const = 0;
    /// Writes what it can and returns how many bytes that was; fewer than
    /// asked means the write failed.
    virtual std::size_t write(std::string_view bytes) = 0;
    /// Gives the file the permission bits and, where allowed, the owner of
    /// the file `existing` that it is to replace.
    virtual void take_attributes_of(const std::string& existing) = 0;
    /// Flushes the file's data to the disk.
    virtual void sync() = 0;
    virtual void close() = 0;
  };

  virtual ~FileSystem() = default;

  /// The whole content of a regular file, read under a shared lock that
  /// keeps writers out. A folder, a device or a FIFO is refused at once.
  virtual std::string read_file(const std::string& path) = 0;

  /// The file that writing to `path` really changes: symbolic links are
  /// followed to their final target, which need not exist.
  virtual std::string write_target(const std::string& path) = 0;

  /// Whether a regular file exists at `path`; a folder, device or FIFO there
  /// is refused, as a save must not replace it.
  virtual bool regular_file_exists(const std::string& path) = 0;

  /// Creates a new, empty file for `folder`. Where the file system allows,
  /// the file has no name until it is closed, so a program killed while
  /// writing it leaves nothing behind.
  virtual std::unique_ptr<NewFile> create_temporary(const std::string& folder) = 0;

  /// Moves `from` over `to` in one step.
  virtual void rename(const std::string& from, const std::string& to) = 0;

  /// Removes a file; never fails.
  virtual void remove(const std::string& path) noexcept = 0;

  /// Creates the folder `path` and those above it that are missing, open to
  /// the user alone; a folder already there is no failure.
  virtual void create_folders(const std::string& path) = 0;

  /// The names of the entries in `folder`, in no particular order.
  virtual std::vector<std::string> list_folder(const std::string& folder) = 0;
};

}  // namespace tagpad
