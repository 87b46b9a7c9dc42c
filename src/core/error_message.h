// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <string_view>

namespace tagpad {

/// The text the error display shows for a UTF-8 message: a full stop is
/// appended when the code of the last character is above that of ".".
std::string error_display_text(std::string_view message);

}  // namespace tagpad
