// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// A file's bytes, opened and saved again, come back as their normalised
// form byte for byte, in CP949 and in UTF-8; normalising twice changes nothing.
#include "core/code_page.h"
#include "core/document_text.h"
#include "core/line_breaks.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using tagpad::fuzz::check;
  static const tagpad::CodePage code_pages[] = {tagpad::CodePage::named("CP949"), tagpad::CodePage::named("UTF-8")};
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The pane takes the text up to a zero byte.
  const std::string_view kept = bytes.substr(0, bytes.find('\0'));
  for (const tagpad::CodePage& page : code_pages) {
    const std::string normalised = tagpad::normalize_line_breaks(kept, page);
    check(tagpad::normalize_line_breaks(normalised, page) == normalised, "normalising again changed the bytes");
    // Only the second byte of a double-byte pair may be a lone LF.
    for (std::size_t i = 0; i < normalised.size() && page.is_utf8(); ++i) {
      if (normalised[i] == '\n') check(i > 0 && normalised[i - 1] == '\r', "an LF without its CR");
    }
    const std::string text = tagpad::document_text(bytes, page);
    check(tagpad::document_bytes(text, page) == normalised, "saving the opened text gave other bytes");
  }
  return 0;
}
