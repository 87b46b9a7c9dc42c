// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// A file's bytes, opened and saved again, come back as their normalised
// form byte for byte, in CP949 and in UTF-8; normalising twice changes nothing,
// and nor does feeding the normaliser the bytes in chunks.
#include "core/code_page.h"
#include "core/document_text.h"
#include "core/line_break_normalizer.h"
#include "fuzz_input.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// The bytes fed one at a time, so that every place is a chunk's end, and then
// in chunks whose lengths the bytes themselves choose.
void check_chunks(std::string_view bytes, const tagpad::CodePage& page, const std::string& whole) {
  tagpad::LineBreakNormalizer one_by_one(page);
  std::string out;
  for (char byte : bytes) one_by_one.feed(std::string_view(&byte, 1), out);
  one_by_one.finish(out);
  tagpad::fuzz::check(out == whole, "bytes fed one at a time gave other bytes");

  tagpad::LineBreakNormalizer chunked(page);
  out.clear();
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = std::min<std::size_t>(1 + static_cast<unsigned char>(bytes[at]) % 6, bytes.size() - at);
    chunked.feed({}, out);  // an empty chunk, which must change nothing
    chunked.feed(bytes.substr(at, length), out);
    at += length;
  }
  chunked.finish(out);
  tagpad::fuzz::check(out == whole, "bytes fed in chunks gave other bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using tagpad::fuzz::check;
  static const tagpad::CodePage code_pages[] = {tagpad::CodePage::named("CP949"), tagpad::CodePage::named("UTF-8")};
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The pane takes the text up to a zero byte.
  const std::string_view kept = bytes.substr(0, bytes.find('\0'));
  for (const tagpad::CodePage& page : code_pages) {
    const std::string normalised = tagpad::normalize_line_breaks(kept, page);
    check(tagpad::normalize_line_breaks(normalised, page) == normalised, "normalising again changed the bytes");
    check_chunks(kept, page, normalised);
    // Only the second byte of a double-byte pair may be a lone LF.
    for (std::size_t i = 0; i < normalised.size() && page.is_utf8(); ++i) {
      if (normalised[i] == '\n') check(i > 0 && normalised[i - 1] == '\r', "an LF without its CR");
    }
    const std::string text = tagpad::document_text(bytes, page);
    check(tagpad::document_bytes(text, page) == normalised, "saving the opened text gave other bytes");
  }
  return 0;
}
