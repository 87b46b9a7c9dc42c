// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

/// A point on the screen, in pixels.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

/// A rectangle on the screen, in pixels.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

/// Where a dialog of `width` by `height` first appears on `monitor` (the
/// work area of the active window's monitor): centred across it, with one
/// third of the height it leaves free above it and two thirds below.
Point first_dialog_position(const Rect& monitor, int width, int height);

}  // namespace tagpad
