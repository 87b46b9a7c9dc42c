// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/recovery_copies.h"

#include "core/code_page.h"
#include "core/document_file.h"
#include "core/document_text.h"
#include "core/error.h"
#include "core/file_messages.h"
#include "core/file_system.h"

#include <glib.h>

#include <algorithm>
#include <memory>
#include <regex>

namespace tagpad {
namespace {

constexpr std::string_view Utf8Mark = ".UTF-8";

}  // namespace

std::string recovery_folder() {
  std::unique_ptr<char, decltype(&g_free)> folder(
      g_build_filename(g_get_user_state_dir(), "tagpad", "복구된 문서", nullptr), g_free);
  return folder.get();
}

std::string recovery_copy_name(std::chrono::system_clock::time_point when, long pid, bool utf8) {
  using namespace std::chrono;
  const auto since_epoch = duration_cast<milliseconds>(when.time_since_epoch()).count();
  GDateTime* utc = g_date_time_new_from_unix_utc(since_epoch / 1000);
  char* seconds = g_date_time_format(utc, "%Y-%m-%dT%H-%M-%S");
  char name[96];
  g_snprintf(name, sizeof name, "%s.%03dZ-%ld%s.html", seconds, static_cast<int>(since_epoch % 1000), pid,
             utf8 ? std::string(Utf8Mark).c_str() : "");
  g_free(seconds);
  g_date_time_unref(utc);
  return name;
}

bool is_recovery_copy_name(std::string_view name) {
  static const std::regex pattern(R"(\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d\.\d{3}Z-\d+(\.UTF-8)?\.html)");
  return std::regex_match(name.begin(), name.end(), pattern);
}

std::vector<std::string> surplus_recovery_copies(std::vector<std::string> names, std::size_t kept) {
  std::erase_if(names, [](const std::string& name) { return !is_recovery_copy_name(name); });
  std::sort(names.begin(), names.end());
  names.resize(names.size() > kept ? names.size() - kept : 0);
  return names;
}

std::string write_recovery_copy(FileSystem& files, const std::string& folder, std::string_view text,
                                const CodePage& page, std::chrono::system_clock::time_point when, long pid) {
  std::string bytes;
  bool in_utf8 = false;
  try {
    bytes = document_bytes(text, page);
  } catch (const Error&) {
    // A copy that cannot be opened in this code page still keeps the text.
    bytes = document_bytes(text, CodePage::named("UTF-8"));
    in_utf8 = true;
  }
  try {
    files.create_folders(folder);
  } catch (const SystemError& e) {
    throw Error(cannot_create_file_message(folder, e.code()));
  }
  const std::string path = folder + G_DIR_SEPARATOR_S + recovery_copy_name(when, pid, in_utf8);
  write_file_whole(files, path, bytes);
  // A copy is kept even if the old ones cannot be listed or removed.
  try {
    for (const std::string& name : surplus_recovery_copies(files.list_folder(folder)))
      files.remove(folder + G_DIR_SEPARATOR_S + name);
  } catch (const SystemError&) {
  }
  return path;
}

}  // namespace tagpad
