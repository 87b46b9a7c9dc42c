// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/find_dialog_state.h"

#include <glib.h>

namespace tagpad {

namespace {

std::string limited(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  for (std::size_t count = 0; p < end && count < FindDialogState::MaxTextLength; ++count) p = g_utf8_next_char(p);
  return std::string(text.data(), p < end ? p : end);
}

}  // namespace

void FindDialogState::set_search_text(std::string_view text) { search_text_ = limited(text); }

void FindDialogState::set_replacement_text(std::string_view text) { replacement_text_ = limited(text); }

}  // namespace tagpad
