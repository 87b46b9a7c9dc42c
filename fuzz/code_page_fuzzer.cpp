// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// Any bytes decode to valid UTF-8 and encode back to the same bytes.
#include "core/code_page.h"
#include "fuzz_input.h"

#include <glib.h>

#include <algorithm>

namespace {

// GLib counts a zero byte as invalid; text may hold them, so check around them.
bool valid_utf8(std::string_view text) {
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    if (!g_utf8_validate(text.data() + start, static_cast<gssize>(end - start), nullptr)) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using tagpad::fuzz::check;
  static const tagpad::CodePage code_pages[] = {tagpad::CodePage::named("CP949"), tagpad::CodePage::named("UTF-8")};
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const tagpad::CodePage& code_page : code_pages) {
    const std::string utf8 = code_page.to_utf8(bytes);
    check(valid_utf8(utf8), "decoding gave invalid UTF-8");
    check(code_page.from_utf8(utf8) == bytes, "bytes did not survive a round trip");
  }
  return 0;
}
