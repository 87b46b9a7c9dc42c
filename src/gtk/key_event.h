// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gdk/gdk.h>

namespace tagpad {

/// The key's upper-case symbol in the keyboard's first layout, so that
/// Ctrl+letter means the same under a Korean layout as under a Latin one.
guint first_layout_keyval(const GdkEventKey& event);

}  // namespace tagpad
