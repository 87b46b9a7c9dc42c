// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <glib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>

namespace tagpad {
namespace {

constexpr int MaxLinks = 40;  // as the kernel's own limit on nested links

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

[[noreturn]] void fail() { throw SystemError(errno); }

std::string folder_of(const std::string& path) {
  std::unique_ptr<char, decltype(&g_free)> folder(g_path_get_dirname(path.c_str()), g_free);
  return folder.get();
}

// Opens a file in `folder` that has no name yet, or returns -1 where the
// file system cannot.
int open_unnamed(const std::string& folder) { return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666); }

// Gives an unnamed file its name; fails if the name is taken.
void link_unnamed(int fd, const std::string& path) {
  char descriptor[32];
  g_snprintf(descriptor, sizeof descriptor, "/proc/self/fd/%d", fd);
  if (::linkat(AT_FDCWD, descriptor, AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return;
  // Without /proc, only a privileged process can link a descriptor.
  if (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0) return;
  fail();
}

class PosixNewFile : public FileSystem::NewFile {
 public:
  // An unnamed file gets `path` as its name when it is closed.
  PosixNewFile(std::string path, int fd, bool unnamed) : path_(std::move(path)), fd_(fd), unnamed_(unnamed) {}
  ~PosixNewFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  const std::string& path() const override { return path_; }

  std::size_t write(std::string_view bytes) override {
    std::size_t done = 0;
    // A write may take part of the bytes; only an error or no progress ends it.
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  void take_attributes_of(const std::string& existing) override {
    struct stat st;
    if (::stat(existing.c_str(), &st) != 0) fail();
    if (::fchmod(fd_, st.st_mode & 07777) != 0) fail();
    // Only a privileged user may give the file away; others keep it as theirs.
    if (::fchown(fd_, st.st_uid, st.st_gid) != 0 && errno != EPERM) fail();
  }

  void sync() override {
    if (::fsync(fd_) != 0) fail();
  }

  void close() override {
    if (unnamed_) link_unnamed(fd_, path_);
    unnamed_ = false;
    if (::close(std::exchange(fd_, -1)) != 0) fail();
  }

 private:
  std::string path_;
  int fd_;
  bool unnamed_;
};

}  // namespace

std::string PosixFileSystem::read_file(const std::string& path) {
  // Non-blocking, so that opening a FIFO without a writer cannot hang.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) fail();
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) fail();
  if (S_ISDIR(st.st_mode)) throw SystemError(EISDIR);
  if (!S_ISREG(st.st_mode)) throw SystemError(EINVAL);
  if (::flock(fd.get(), LOCK_SH | LOCK_NB) != 0) fail();
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = read_some(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail();
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  // Read on to the end, in case the file grew since it was measured.
  for (char more[65536];;) {
    const ssize_t n = read_some(fd.get(), more, sizeof more);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail();
    if (n == 0) break;
    bytes.append(more, static_cast<std::size_t>(n));
  }
  return bytes;
}

ssize_t PosixFileSystem::read_some(int fd, char* buffer, std::size_t size) { return ::read(fd, buffer, size); }

std::string PosixFileSystem::write_target(const std::string& path) {
  std::string target = path;
  for (int links = 0; links < MaxLinks; ++links) {
    GError* error = nullptr;
    std::unique_ptr<char, decltype(&g_free)> link(g_file_read_link(target.c_str(), &error), g_free);
    if (!link) {
      const bool not_a_link = error->code == G_FILE_ERROR_INVAL || error->code == G_FILE_ERROR_NOENT;
      g_error_free(error);
      if (not_a_link) return target;
      fail();
    }
    target =
        g_path_is_absolute(link.get()) ? std::string(link.get()) : folder_of(target) + G_DIR_SEPARATOR_S + link.get();
  }
  throw SystemError(ELOOP);
}

bool PosixFileSystem::regular_file_exists(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return false;
    fail();
  }
  if (S_ISDIR(st.st_mode)) throw SystemError(EISDIR);
  if (!S_ISREG(st.st_mode)) throw SystemError(EINVAL);
  return true;
}

std::unique_ptr<FileSystem::NewFile> PosixFileSystem::create_temporary(const std::string& folder) {
  // 0666 lets the umask decide a new file's permissions, as for any file.
  Descriptor unnamed(open_unnamed(folder));
  for (;;) {
    char name[32];
    g_snprintf(name, sizeof name, ".tagpad-%08x", g_random_int());
    std::string path = folder + G_DIR_SEPARATOR_S + name;
    if (unnamed.get() >= 0) return std::make_unique<PosixNewFile>(std::move(path), unnamed.release(), true);
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() >= 0) return std::make_unique<PosixNewFile>(std::move(path), fd.release(), false);
    if (errno != EEXIST) fail();
  }
}

void PosixFileSystem::rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) fail();
  // Make the new name itself durable; a folder that refuses this keeps the
  // rename all the same.
  Descriptor folder(::open(folder_of(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
}

void PosixFileSystem::remove(const std::string& path) noexcept { ::unlink(path.c_str()); }

void PosixFileSystem::create_folders(const std::string& path) {
  if (g_mkdir_with_parents(path.c_str(), 0700) != 0) fail();
}

std::vector<std::string> PosixFileSystem::list_folder(const std::string& folder) {
  struct CloseDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
  };
  std::unique_ptr<DIR, CloseDir> dir(::opendir(folder.c_str()));
  if (!dir) fail();
  std::vector<std::string> names;
  errno = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  if (errno != 0) fail();
  return names;
}

}  // namespace tagpad
