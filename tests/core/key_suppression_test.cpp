// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/key_suppression.h"

#include <gtest/gtest.h>

using tagpad::KeySuppression;

namespace {

constexpr KeySuppression::Modifiers None{};
constexpr KeySuppression::Modifiers Ctrl{.ctrl = true};
constexpr KeySuppression::Modifiers CtrlShift{.shift = true, .ctrl = true};
constexpr KeySuppression::Modifiers CtrlAlt{.ctrl = true, .alt = true};
constexpr KeySuppression::Modifiers Shift{.shift = true};

// A key-down followed by its key-press: whether the character gets in.
bool inserts(KeySuppression& suppression, unsigned key, KeySuppression::Modifiers modifiers) {
  suppression.key_down(key, modifiers);
  return !suppression.discards_char();
}

}  // namespace

TEST(SuppressKey, CtrlIJMInsertNothingButTabAndReturnDo) {
  KeySuppression suppression;
  EXPECT_FALSE(suppression.discards_char());
  EXPECT_FALSE(inserts(suppression, 'I', Ctrl));
  EXPECT_FALSE(inserts(suppression, 'J', Ctrl));
  EXPECT_FALSE(inserts(suppression, 'M', Ctrl));
  EXPECT_FALSE(inserts(suppression, 'I', CtrlShift));
  EXPECT_FALSE(inserts(suppression, 'M', CtrlAlt));
  EXPECT_TRUE(inserts(suppression, 9, None));
  EXPECT_TRUE(inserts(suppression, 13, None));
  EXPECT_TRUE(inserts(suppression, 'I', Shift));
  EXPECT_TRUE(inserts(suppression, 'K', Ctrl));
}

TEST(SuppressKey, EachKeyDownDecidesAnew) {
  KeySuppression suppression;
  suppression.key_down('I', Ctrl);
  // Auto-repeat: each repeated key-down suppresses again.
  for (int repeat = 0; repeat < 3; ++repeat) EXPECT_FALSE(inserts(suppression, 'I', Ctrl));
  // The letter typed right after, Ctrl released, has its own key-down.
  EXPECT_TRUE(inserts(suppression, 'I', None));
  suppression.key_down('J', Ctrl);
  // Nothing but a key-down resets it: several key-presses stay discarded.
  EXPECT_TRUE(suppression.discards_char());
  EXPECT_TRUE(suppression.discards_char());
}
