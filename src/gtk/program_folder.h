// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>

namespace tagpad {

/// The folder of the running executable, ending in a path separator.
std::string program_folder();

}  // namespace tagpad
