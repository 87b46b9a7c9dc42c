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
