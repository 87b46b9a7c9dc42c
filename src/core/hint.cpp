// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/hint.h"

namespace tagpad {

std::string short_hint(std::string_view hint) { return std::string(hint.substr(0, hint.find('|'))); }

std::string long_hint(std::string_view hint) {
  std::size_t bar = hint.find('|');
  return std::string(bar == std::string_view::npos ? hint : hint.substr(bar + 1));
}

std::string tooltip_text(std::string_view hint, const Shortcut& shortcut) {
  std::string text = short_hint(hint);
  if (text.empty() || shortcut.is_none()) return text;
  return text + " (" + shortcut_text(shortcut) + ")";
}

}  // namespace tagpad
