// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

namespace tagpad {

/// Prepares GTK for the windows: the application title, the widget types
/// that the window descriptions name, and the program's style sheet.
/// Call once, after GTK is initialised and before the first window.
void prepare_toolkit();

}  // namespace tagpad
