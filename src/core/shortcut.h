// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <optional>
#include <string>

namespace tagpad {

/// A key with modifiers, as commands and menu items carry it and as a key
/// press is offered to the shortcut dispatch. `key` is the upper-case
/// character of the key ('A'–'Z', '0'–'9'; the GTK layer maps a key event's
/// keyval onto it with `gdk_keyval_to_unicode(gdk_keyval_to_upper(keyval))`);
/// 0 means no shortcut, whatever the modifier flags say.
struct Shortcut {
  char32_t key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;

  /// Ctrl with the given key, the only kind of shortcut the command table uses.
  static constexpr Shortcut with_ctrl(char32_t key) { return {key, true, false, false}; }

  constexpr bool is_none() const { return key == 0; }

  friend constexpr bool operator==(const Shortcut&, const Shortcut&) = default;
};

/// The modifier keys held with a key press.
struct KeyModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  /// AltGr, which types characters and never reaches a shortcut.
  bool alt_gr = false;
};

/// The shortcut a key press offers the dispatch, or none: a key without a
/// character, AltGr held, or neither Ctrl nor Alt held. `key` is the
/// character of the key, upper case, as the `Shortcut`'s.
std::optional<Shortcut> shortcut_for_key(char32_t key, KeyModifiers modifiers);

/// The text menus and tooltips show for a shortcut, modifiers in the order
/// Shift, Ctrl, Alt: "Ctrl+X", "Shift+Ctrl+F"; empty for no shortcut.
std::string shortcut_text(const Shortcut& shortcut);

}  // namespace tagpad
