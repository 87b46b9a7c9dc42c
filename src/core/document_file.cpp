// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/document_file.h"

#include "core/document_pane.h"
#include "core/document_text.h"
#include "core/error.h"
#include "core/file_messages.h"
#include "core/file_system.h"

#include <glib.h>

#include <memory>
#include <string_view>

namespace tagpad {
namespace {

constexpr std::size_t WriteChunk = std::size_t{1} << 20;

class RedrawSuspension {
 public:
  explicit RedrawSuspension(DocumentPane& pane) : pane_(pane) { pane_.suspend_redraw(); }
  ~RedrawSuspension() { pane_.resume_redraw(); }
  RedrawSuspension(const RedrawSuspension&) = delete;
  RedrawSuspension& operator=(const RedrawSuspension&) = delete;

 private:
  DocumentPane& pane_;
};

std::string full_path(const std::string& path) {
  std::unique_ptr<char, decltype(&g_free)> full(g_canonicalize_filename(path.c_str(), nullptr), g_free);
  return full.get();
}

std::string folder_of(const std::string& path) {
  std::unique_ptr<char, decltype(&g_free)> folder(g_path_get_dirname(path.c_str()), g_free);
  return folder.get();
}

// Removes the new file unless it has taken the old one's place.
class TemporaryFile {
 public:
  TemporaryFile(FileSystem& files, std::unique_ptr<FileSystem::NewFile> file)
      : files_(files), file_(std::move(file)), path_(file_->path()) {}
  ~TemporaryFile() {
    file_.reset();
    if (!kept_) files_.remove(path_);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  FileSystem::NewFile& file() { return *file_; }
  void keep() { kept_ = true; }

 private:
  FileSystem& files_;
  std::unique_ptr<FileSystem::NewFile> file_;
  std::string path_;
  bool kept_ = false;
};

void write_all(FileSystem::NewFile& file, std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); at += WriteChunk) {
    const std::string_view chunk = bytes.substr(at, WriteChunk);
    if (file.write(chunk) != chunk.size()) throw Error(StreamWriteError);
  }
}

}  // namespace

void open_document(FileSystem& files, const std::string& path, const CodePage& page, DocumentPane& pane,
                   std::size_t capacity) {
  const std::string name = full_path(path);
  std::string bytes;
  try {
    bytes = files.read_file(name);
  } catch (const SystemError& e) {
    throw Error(cannot_open_file_message(name, e.code()));
  }
  RedrawSuspension suspension(pane);
  std::string text = document_text(bytes, page);
  bytes = std::string();  // the file's bytes are no longer needed; free them before the pane copies the text
  if (pane.holds(text)) return;
  if (text.size() > capacity) throw Error(TextExceedsMemoCapacity);
  pane.set_text(text);
}

void save_document(FileSystem& files, const std::string& path, const CodePage& page, const DocumentPane& pane) {
  std::string bytes;
  pane.lend_text([&](std::string_view text) { bytes = document_bytes(text, page); });
  write_file_whole(files, path, bytes);
}

void write_file_whole(FileSystem& files, const std::string& path, std::string_view bytes) {
  const std::string name = full_path(path);
  std::string target;
  bool replaces_a_file = false;
  std::unique_ptr<TemporaryFile> temporary;
  try {
    target = files.write_target(name);
    replaces_a_file = files.regular_file_exists(target);
    temporary = std::make_unique<TemporaryFile>(files, files.create_temporary(folder_of(target)));
    if (replaces_a_file) temporary->file().take_attributes_of(target);
  } catch (const SystemError& e) {
    throw Error(cannot_create_file_message(name, e.code()));
  }
  try {
    write_all(temporary->file(), bytes);
    temporary->file().sync();
    temporary->file().close();
  } catch (const SystemError&) {
    throw Error(StreamWriteError);
  }
  try {
    files.rename(temporary->file().path(), target);
  } catch (const SystemError& e) {
    throw Error(cannot_create_file_message(name, e.code()));
  }
  temporary->keep();
}

}  // namespace tagpad
