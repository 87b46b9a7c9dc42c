// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

/// Whether the engine's web process sandbox can start on this machine: its
/// helpers are installed and the kernel lets them make namespaces. The
/// engine aborts every page load when the sandbox is on but cannot start.
bool web_sandbox_available();

}  // namespace tagpad
