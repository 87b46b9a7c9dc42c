// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/shortcut.h"

#include <glib.h>

namespace tagpad {

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
