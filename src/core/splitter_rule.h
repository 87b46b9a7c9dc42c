// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

/// The smallest size either side of the splitter keeps.
constexpr int SplitterMinSize = 10;

/// The preview area's height after a drag that proposes `proposed`, where
/// `available` is what the editor and preview areas share: the editor keeps
/// at least the minimum, and a preview of the minimum or less snaps shut.
int splitter_height(int proposed, int available);

}  // namespace tagpad
