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
  enum class Step { None, Create, Write, ShortWrite, Sync, Close, Rename };

  /// Fails `step`; for the writes, the `nth` one (counting from 1).
  void fail(Step step, int nth = 1) {
    step_ = step;
    nth_ = nth;
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

 private:
  class FaultyFile : public NewFile {
   public:
    FaultyFile(std::unique_ptr<NewFile> file, FaultFileSystem& owner) : file_(std::move(file)), owner_(owner) {}
    const std::string& path() const override { return file_->path(); }
    std::size_t write(std::string_view bytes) override {
      ++writes_;
      if (writes_ == owner_.nth_ && owner_.step_ == Step::Write) return 0;
      if (writes_ == owner_.nth_ && owner_.step_ == Step::ShortWrite) return file_->write(bytes.substr(0, 1));
      return file_->write(bytes);
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
    int writes_ = 0;
  };

  Step step_ = Step::None;
  int nth_ = 1;
};

}  // namespace tagpad
