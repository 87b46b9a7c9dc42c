// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// The stream the preview loads: every line ends in CR LF, nothing else changes.
#include "core/load_stream.h"
#include "fuzz_input.h"

#include <algorithm>
#include <string>

namespace {

std::string without_breaks(std::string_view text) {
  std::string out(text);
  std::erase_if(out, [](char c) { return c == '\r' || c == '\n'; });
  return out;
}

// Lines as a reader counts them: CR LF, CR and LF each end one, and a last
// line without a break still counts.
std::size_t lines(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++count;
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using tagpad::fuzz::check;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view text = input.substr(0, input.find('\0'));
  const std::string stream = tagpad::make_load_stream(input);

  check(stream.find('\0') == std::string::npos, "a zero byte reached the stream");
  check(stream.empty() == text.empty(), "an empty stream for a text, or the reverse");
  check(stream.empty() || stream.ends_with("\r\n"), "the last line does not end in CR LF");
  for (std::size_t i = 0; i < stream.size(); ++i) {
    if (stream[i] == '\r') check(i + 1 < stream.size() && stream[i + 1] == '\n', "a CR without its LF");
    if (stream[i] == '\n') check(i > 0 && stream[i - 1] == '\r', "an LF without its CR");
  }
  check(without_breaks(stream) == without_breaks(text), "characters other than line breaks changed");
  check(lines(stream) == lines(text), "the number of lines changed");
  check(tagpad::make_load_stream(stream) == stream, "a second pass changed the stream");
  return 0;
}
