// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/dialog_placement.h"

namespace tagpad {

Point first_dialog_position(const Rect& monitor, int width, int height) {
  return {monitor.x + (monitor.width - width) / 2, monitor.y + (monitor.height - height) / 3};
}

}  // namespace tagpad
