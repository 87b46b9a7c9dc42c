// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/web_sandbox.h"

#include <glib.h>

namespace tagpad {

bool web_sandbox_available() {
  // The engine runs these two by their installed paths.
  constexpr const char* Bubblewrap = "/usr/bin/bwrap";
  constexpr const char* DbusProxy = "/usr/bin/xdg-dbus-proxy";
  if (!g_file_test(Bubblewrap, G_FILE_TEST_IS_EXECUTABLE) || !g_file_test(DbusProxy, G_FILE_TEST_IS_EXECUTABLE))
    return false;
  const char* argv[] = {Bubblewrap, "--ro-bind", "/", "/", "--unshare-all", "--die-with-parent", "/bin/true", nullptr};
  int status = 0;
  if (!g_spawn_sync(nullptr, const_cast<char**>(argv), nullptr,
                    GSpawnFlags(G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL), nullptr, nullptr, nullptr,
                    nullptr, &status, nullptr))
    return false;
  return g_spawn_check_wait_status(status, nullptr);
}

}  // namespace tagpad
