// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/splitter_rule.h"

#include <algorithm>

namespace tagpad {

int splitter_height(int proposed, int available) {
  const int height = std::min(proposed, available - SplitterMinSize);
  return height <= SplitterMinSize ? 0 : height;
}

}  // namespace tagpad
