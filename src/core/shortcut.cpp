// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/shortcut.h"

#include <glib.h>

namespace tagpad {

std::optional<Shortcut> shortcut_for_key(char32_t key, KeyModifiers modifiers) {
  if (key == 0 || modifiers.alt_gr || !(modifiers.ctrl || modifiers.alt)) return std::nullopt;
  return Shortcut{key, modifiers.ctrl, modifiers.shift, modifiers.alt};
}

std::string shortcut_text(const Shortcut& shortcut) {
  if (shortcut.is_none()) return {};
  std::string text;
  if (shortcut.shift) text += "Shift+";
  if (shortcut.ctrl) text += "Ctrl+";
  if (shortcut.alt) text += "Alt+";
  char utf8[6];
  text.append(utf8, g_unichar_to_utf8(shortcut.key, utf8));
  return text;
}

}  // namespace tagpad
