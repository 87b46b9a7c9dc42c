// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/line_break_normalizer.h"

#include "core/code_page.h"

namespace tagpad {

LineBreakNormalizer::LineBreakNormalizer(const CodePage& page) {
  for (int b = 0; b < 256; ++b) stop_[b] = b == '\r' || b == '\n' || page.is_lead_byte(static_cast<unsigned char>(b));
}

void LineBreakNormalizer::feed(std::string_view chunk, std::string& out) {
  const std::size_t size = chunk.size();
  if (size == 0) return;
  std::size_t i = 0;
  // Settle what the previous chunk ended with, now that its next byte is here.
  if (held_ == Held::Cr) {
    out += "\r\n";
    if (chunk[0] == '\n') i = 1;
  } else if (held_ == Held::LeadByte) {
    out += lead_byte_;
    out += chunk[0];
    i = 1;
  }
  held_ = Held::Nothing;
  while (i < size) {
    // Copy the run up to the next line break in one go; a lead byte takes
    // the byte after it into the run.
    std::size_t run = i;
    while (run < size) {
      const char byte = chunk[run];
      if (!stop_[static_cast<unsigned char>(byte)]) {
        ++run;
      } else if (byte == '\r' || byte == '\n' || run + 1 == size) {
        break;
      } else {
        run += 2;
      }
    }
    out.append(chunk.data() + i, run - i);
    i = run;
    if (i == size) break;
    const char byte = chunk[i];
    if (i + 1 == size && byte != '\n') {
      // A CR or a lead byte whose next byte is in the next chunk, if any.
      held_ = byte == '\r' ? Held::Cr : Held::LeadByte;
      lead_byte_ = byte;
      break;
    }
    out += "\r\n";
    i += byte == '\r' && chunk[i + 1] == '\n' ? 2 : 1;
  }
}

void LineBreakNormalizer::finish(std::string& out) {
  if (held_ == Held::Cr) out += "\r\n";
  if (held_ == Held::LeadByte) out += lead_byte_;
  held_ = Held::Nothing;
}

std::string normalize_line_breaks(std::string_view bytes, const CodePage& page) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 32);
  LineBreakNormalizer normalizer(page);
  normalizer.feed(bytes, out);
  normalizer.finish(out);
  return out;
}

}  // namespace tagpad
