// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/document_text.h"

#include "core/code_page.h"
#include "core/error.h"
#include "core/line_break_normalizer.h"

#include <glib.h>

#include <algorithm>
#include <cstring>

namespace tagpad {
namespace {

// CR LF to LF in place: the text only shrinks, and a large document is spared
// a second copy.
void drop_cr_before_lf(std::string& text) {
  std::size_t kept = text.find("\r\n");
  if (kept == std::string::npos) return;
  // Each piece starts at the LF of a CR LF and runs to the next one's CR.
  for (std::size_t read = kept + 1; read < text.size();) {
    const std::size_t cr = text.find("\r\n", read);
    const std::size_t end = cr == std::string::npos ? text.size() : cr;
    std::memmove(text.data() + kept, text.data() + read, end - read);
    kept += end - read;
    read = end + 1;
  }
  text.resize(kept);
}

void append_crlf_breaks(std::string& out, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', start)) {
    out.append(text.substr(start, lf - start)).append("\r\n");
    start = lf + 1;
  }
  out.append(text.substr(start));
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
  std::string text = page.to_utf8(normalised);
  drop_cr_before_lf(text);
  return text;
}

std::string document_bytes(std::string_view text, const CodePage& page) {
  // The breaks become CR LF a piece at a time in a small buffer that stays in
  // the cache: a second copy of a large text costs more than encoding it.
  constexpr std::size_t Piece = 64 * 1024;
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  std::string crlf;
  try {
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = std::min(start + Piece, text.size());
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;  // whole characters
      crlf.clear();
      append_crlf_breaks(crlf, text.substr(start, end - start));
      page.append_from_utf8(out, crlf);
      start = end;
    }
  } catch (const Error&) {
    throw_unencodable(text, page);
  }
  return out;
}

}  // namespace tagpad
