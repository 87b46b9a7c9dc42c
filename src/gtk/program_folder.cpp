// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/program_folder.h"

#include "core/error.h"

#include <glib.h>

#include <memory>

namespace tagpad {

std::string program_folder() {
  GError* error = nullptr;
  std::unique_ptr<char, decltype(&g_free)> exe(g_file_read_link("/proc/self/exe", &error), g_free);
  if (!exe) {
    std::string message = error->message;
    g_error_free(error);
    throw Error(message);
  }
  std::unique_ptr<char, decltype(&g_free)> folder(g_path_get_dirname(exe.get()), g_free);
  std::string path = folder.get();
  if (path.empty() || path.back() != G_DIR_SEPARATOR) path += G_DIR_SEPARATOR;
  return path;
}

}  // namespace tagpad
