// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/browser.h"

#include <string_view>

namespace tagpad {

/// Resets the browser to a blank page, waits until it is ready, and loads
/// `text` (bytes in the platform code page) as its document.
void LoadHtmlIntoBrowser(Browser& browser, std::string_view text);

}  // namespace tagpad
