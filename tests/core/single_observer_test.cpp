// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/single_observer.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(SingleObserver, ASecondObserverIsRefusedAndTheFirstKeepsHearing) {
  tagpad::SingleObserver<int> changed;
  changed.notify(1);  // nobody listening yet
  int first = 0;
  changed.attach([&first](int value) { first += value; });
  EXPECT_THROW(changed.attach([](int) {}), std::logic_error);
  changed.notify(2);
  EXPECT_EQ(first, 2);
}
