// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <string_view>

namespace tagpad {

/// The bytes handed to the engine for a text in the code page: every CR LF,
/// lone CR and lone LF becomes CR LF, the last line gains CR LF unless the
/// text already ends in a break, and a NUL byte ends the text.
std::string make_load_stream(std::string_view text);

}  // namespace tagpad
