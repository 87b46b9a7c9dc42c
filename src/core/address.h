// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <functional>
#include <string>

namespace tagpad {

/// The URL to load for a typed address, completed as a browser's address
/// bar does: text with a scheme stays as it is, an existing local path
/// becomes a file URL, anything else is taken for a web host.
std::string complete_address(const std::string& typed,
                             const std::function<bool(const std::string& path)>& is_existing_path);

}  // namespace tagpad
