// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/download_policy.h"

#include <glib.h>

#include <algorithm>
#include <memory>

namespace tagpad {
namespace {

constexpr std::size_t RememberedNavigations = 32;

// A page may suggest any text; the dialog starts with a name, never a path.
std::string plain_file_name(const std::string& suggested) {
  std::unique_ptr<char, decltype(&g_free)> base(g_path_get_basename(suggested.c_str()), g_free);
  const std::string name = base.get();
  if (name.empty() || name == "." || name == ".." || name == G_DIR_SEPARATOR_S) return "download";
  return name;
}

}  // namespace

void DownloadPolicy::navigation_requested(const std::string& uri, NavigationOrigin origin) {
  recent_.push_front({uri, origin});
  if (recent_.size() > RememberedNavigations) recent_.pop_back();
}

void DownloadPolicy::navigation_redirected(const std::string& uri) {
  navigation_requested(uri, recent_.empty() ? NavigationOrigin::Script : recent_.front().origin);
}

bool DownloadPolicy::started_by_user(const std::string& uri) const {
  auto found = std::find_if(recent_.begin(), recent_.end(), [&](const Navigation& n) { return n.uri == uri; });
  return found != recent_.end() && found->origin != NavigationOrigin::Script;
}

std::optional<std::string> DownloadPolicy::ask_destination(FileChooser& chooser, const std::string& folder,
                                                           const std::string& suggested_name) {
  FileDialogSettings start;
  start.initial_dir = folder;
  std::unique_ptr<char, decltype(&g_free)> path(
      g_build_filename(folder.c_str(), plain_file_name(suggested_name).c_str(), nullptr), g_free);
  start.file_name = path.get();
  std::optional<FileChoice> choice = chooser.choose(FileDialogKind::Save, {}, start);
  if (!choice) return std::nullopt;
  return choice->path;
}

}  // namespace tagpad
