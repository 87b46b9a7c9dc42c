// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/posix_file_system.h"

#include <cerrno>
#include <string>

namespace tagpad {

/// The real file system with one step made to fail, as a full disk or a
/// failing device would.
class FaultFileSystem : public PosixFileSystem {
 public:
  enum class Step { None, Create, Write, Sync, Close, Rename, Read };

  /// Fails `step`; a write or a read fails once it reaches byte `at` of the
  /// file, after what comes before it has gone through.
  void fail(Step step, std::size_t at = 0) {
    step_ = step;
    at_ = at;
  }

  std::string read_file(const std::string& path) override {
    read_ = 0;
    return PosixFileSystem::read_file(path);
  }

  std::unique_ptr<NewFile> create_temporary(const std::string& folder) override {
    if (step_ == Step::Create) throw SystemError(ENOSPC);
    auto file = PosixFileSystem::create_temporary(folder);
    temporary = file->path();
    return std::make_unique<FaultyFile>(std::move(file), *this);
  }

  void rename(const std::string& from, const std::string& to) override {
    if (step_ == Step::Rename) throw SystemError(EXDEV);
    PosixFileSystem::rename(from, to);
  }

  /// The path of the last temporary file created.
  std::string temporary;

 protected:
  ssize_t read_some(int fd, char* buffer, std::size_t size) override {
    if (step_ == Step::Read && read_ + size > at_) {
      size = at_ - read_;
      if (size == 0) {
        errno = EIO;
        return -1;
      }
    }
    const ssize_t n = PosixFileSystem::read_some(fd, buffer, size);
    if (n > 0) read_ += static_cast<std::size_t>(n);
    return n;
  }

 private:
  class FaultyFile : public NewFile {
   public:
    FaultyFile(std::unique_ptr<NewFile> file, FaultFileSystem& owner) : file_(std::move(file)), owner_(owner) {}
    const std::string& path() const override { return file_->path(); }
    std::size_t write(std::string_view bytes) override {
      if (owner_.step_ == Step::Write && written_ + bytes.size() > owner_.at_)
        bytes = bytes.substr(0, owner_.at_ - written_);
      const std::size_t n = file_->write(bytes);
      written_ += n;
      return n;
    }
    void take_attributes_of(const std::string& existing) override { file_->take_attributes_of(existing); }
    void sync() override {
      if (owner_.step_ == Step::Sync) throw SystemError(EIO);
      file_->sync();
    }
    void close() override {
      file_->close();
      if (owner_.step_ == Step::Close) throw SystemError(EIO);
    }

   private:
    std::unique_ptr<NewFile> file_;
    FaultFileSystem& owner_;
    std::size_t written_ = 0;
  };

  Step step_ = Step::None;
  std::size_t at_ = 0;
  std::size_t read_ = 0;
};

}  // namespace tagpad
