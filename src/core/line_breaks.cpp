// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/line_breaks.h"

#include "core/code_page.h"

#include <array>

namespace tagpad {

std::string normalize_line_breaks(std::string_view bytes, const CodePage& page) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 32);
  const std::size_t size = bytes.size();
  // A table, as the scan asks about every byte of files of many megabytes.
  std::array<bool, 256> stop{};
  for (int b = 0; b < 256; ++b) stop[b] = b == '\r' || b == '\n' || page.is_lead_byte(static_cast<unsigned char>(b));
  for (std::size_t i = 0; i < size;) {
    // Copy the run up to the next byte that needs a decision in one go.
    std::size_t run = i;
    while (run < size && !stop[static_cast<unsigned char>(bytes[run])]) ++run;
    out.append(bytes.data() + i, run - i);
    i = run;
    if (i == size) break;
    const char byte = bytes[i];
    if (byte == '\r' || byte == '\n') {
      out += "\r\n";
      i += byte == '\r' && i + 1 < size && bytes[i + 1] == '\n' ? 2 : 1;
    } else {
      const std::size_t pair = i + 1 < size ? 2 : 1;
      out.append(bytes.data() + i, pair);
      i += pair;
    }
  }
  return out;
}

}  // namespace tagpad
