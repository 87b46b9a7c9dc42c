// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <string_view>

namespace tagpad {

class CodePage;

/// The source pane's text (UTF-8, one "\n" per line break) for the bytes of
/// a document file: the bytes up to the first NUL, line breaks normalised,
/// decoded losslessly from `page`.
std::string document_text(std::string_view file_bytes, const CodePage& page);

/// The bytes of a document file for the pane's text: encoded in `page`, each
/// "\n" written as CR LF, no byte-order mark. Throws tagpad::Error "Cannot
/// encode character U+%04X on line %d in code page %s" for a character the
/// code page has no bytes for.
std::string document_bytes(std::string_view text, const CodePage& page);

}  // namespace tagpad
