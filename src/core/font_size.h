// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

/// The two font-size commands: `Action8` ("크게") and `Action9` ("작게").
enum class FontStep { Larger, Smaller };

/// The smallest size that the smaller command reaches, in points.
constexpr int SmallestFontSize = 2;

/// The size in points of a font height in pixels (negative: character
/// height without internal leading) at `ppi` logical pixels per inch:
/// −N(height × 72 / ppi), N rounding halves away from zero.
int font_size_points(int height, int ppi);

/// The font height for a size in points: −N(size × ppi / 72).
int font_height_for_size(int size, int ppi);

/// The height after one command: the size changes by 2 points. The smaller
/// command goes no lower than SmallestFontSize and leaves a height of that
/// size or less as it is; the larger command has no bound.
int stepped_font_height(int height, int ppi, FontStep step);

}  // namespace tagpad
