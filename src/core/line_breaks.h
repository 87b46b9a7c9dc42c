// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <string_view>

namespace tagpad {

class CodePage;

/// The bytes of a file with every line break made CR LF: CR LF, a lone CR
/// and a lone LF each become one CR LF, so LF CR is two breaks. A lead byte
/// of `page` is copied with the byte after it, which is never taken for a
/// break; every other byte, NUL included, is copied unchanged.
std::string normalize_line_breaks(std::string_view bytes, const CodePage& page);

}  // namespace tagpad
