// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/document_text.h"

#include "core/code_page.h"
#include "core/error.h"
#include "core/line_break_normalizer.h"

#include <glib.h>

namespace tagpad {
namespace {

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, start)) {
    out.append(text.substr(start, at - start));
    out.append(to);
    start = at + from.size();
  }
  out.append(text.substr(start));
  return out;
}

bool encodes(std::string_view text, const CodePage& page) {
  try {
    page.from_utf8(text);
    return true;
  } catch (const Error&) {
    return false;
  }
}

// Finds the first character that does not encode, line by line and then
// character by character; only a failed save pays for this search.
[[noreturn]] void throw_unencodable(std::string_view text, const CodePage& page) {
  int line = 1;
  for (std::size_t start = 0; start <= text.size(); ++line) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = text.substr(start, end - start);
    if (!encodes(part, page)) {
      for (const char* c = part.data(); c < part.data() + part.size(); c = g_utf8_next_char(c)) {
        const std::string_view one(c, g_utf8_next_char(c) - c);
        if (encodes(one, page)) continue;
        char message[160];
        g_snprintf(message, sizeof message, "Cannot encode character U+%04X on line %d in code page %s",
                   g_utf8_get_char(c), line, page.name().c_str());
        throw Error(message);
      }
    }
    start = end + 1;
  }
  throw Error("Cannot encode the text in code page " + page.name());
}

}  // namespace

std::string document_text(std::string_view file_bytes, const CodePage& page) {
  const std::string normalised = normalize_line_breaks(file_bytes.substr(0, file_bytes.find('\0')), page);
  // After normalising, every CR LF is a break; a CR or LF that is the second
  // byte of a double-byte pair decodes as an escape, not as a break.
  return replace_all(page.to_utf8(normalised), "\r\n", "\n");
}

std::string document_bytes(std::string_view text, const CodePage& page) {
  const std::string crlf = replace_all(text, "\n", "\r\n");
  try {
    return page.from_utf8(crlf);
  } catch (const Error&) {
    throw_unencodable(text, page);
  }
}

}  // namespace tagpad
