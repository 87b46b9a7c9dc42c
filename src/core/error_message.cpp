// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/error_message.h"

#include <glib.h>

namespace tagpad {

std::string error_display_text(std::string_view message) {
  std::string text(message);
  if (text.empty()) return text;
  const char* end = text.data() + text.size();
  const char* last = g_utf8_find_prev_char(text.data(), end);
  gunichar code = last ? g_utf8_get_char_validated(last, end - last) : static_cast<guchar>(text.back());
  // A byte that is not valid UTF-8 counts by its own value.
  if (code == static_cast<gunichar>(-1) || code == static_cast<gunichar>(-2)) code = static_cast<guchar>(text.back());
  if (code > '.') text += '.';
  return text;
}

}  // namespace tagpad
