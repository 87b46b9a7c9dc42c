// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/shortcut.h"

#include <gtest/gtest.h>

using tagpad::Shortcut;
using tagpad::shortcut_text;

TEST(ShortcutText, ModifiersInShiftCtrlAltOrderThenTheKey) {
  EXPECT_EQ(shortcut_text(Shortcut::with_ctrl('X')), "Ctrl+X");
  EXPECT_EQ(shortcut_text(Shortcut::with_ctrl('P')), "Ctrl+P");
  EXPECT_EQ(shortcut_text({'F', true, true, false}), "Shift+Ctrl+F");
  EXPECT_EQ(shortcut_text({'1', false, false, true}), "Alt+1");
  EXPECT_EQ(shortcut_text({'Z', true, true, true}), "Shift+Ctrl+Alt+Z");
  EXPECT_EQ(shortcut_text({U'Ä', true, false, false}), "Ctrl+Ä");
  EXPECT_EQ(shortcut_text(Shortcut{}), "");
  EXPECT_EQ(shortcut_text({0, true, false, false}), "");  // modifiers alone are no shortcut
}

TEST(ShortcutForKey, NeedsCtrlOrAltAndNeverAltGr) {
  using tagpad::shortcut_for_key;
  EXPECT_EQ(shortcut_for_key('F', {.ctrl = true}), Shortcut::with_ctrl('F'));
  EXPECT_EQ(shortcut_for_key('F', {.ctrl = true, .shift = true}), (Shortcut{'F', true, true, false}));
  EXPECT_EQ(shortcut_for_key('1', {.alt = true}), (Shortcut{'1', false, false, true}));
  EXPECT_EQ(shortcut_for_key('F', {}), std::nullopt);
  EXPECT_EQ(shortcut_for_key('F', {.shift = true}), std::nullopt);
  // AltGr types characters, with or without Ctrl held as well.
  EXPECT_EQ(shortcut_for_key('Q', {.ctrl = true, .alt_gr = true}), std::nullopt);
  EXPECT_EQ(shortcut_for_key('Q', {.alt = true, .alt_gr = true}), std::nullopt);
  // A key that types no character (F5, an arrow) is no shortcut.
  EXPECT_EQ(shortcut_for_key(0, {.ctrl = true}), std::nullopt);
}
