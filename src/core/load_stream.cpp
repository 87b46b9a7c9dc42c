// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/load_stream.h"

namespace tagpad {

std::string make_load_stream(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::string stream;
  stream.reserve(text.size() + text.size() / 16 + 2);
  std::size_t line_start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    stream.append(text.substr(line_start, i - line_start)).append("\r\n");
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    line_start = i + 1;
  }
  if (line_start < text.size()) stream.append(text.substr(line_start)).append("\r\n");
  return stream;
}

}  // namespace tagpad
