// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/shortcut.h"

#include <string>
#include <string_view>

namespace tagpad {

/// The part of a hint before the first "|", for tooltips; the whole hint when
/// it has no "|".
std::string short_hint(std::string_view hint);

/// The part of a hint after the first "|", for the status bar; the whole hint
/// when it has no "|".
std::string long_hint(std::string_view hint);

/// A tooltip's text: the short hint, followed by the shortcut by the format
/// "%s (%s)" when there is one; empty (no tooltip) when the short hint is.
std::string tooltip_text(std::string_view hint, const Shortcut& shortcut);

}  // namespace tagpad
