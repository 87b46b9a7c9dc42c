// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/search.h"
#include "core/text_target.h"

#include <cstddef>
#include <string_view>

namespace tagpad {

/// The replace button. A selection equal to `text` without regard to case
/// (whatever `options` say) is replaced and the next occurrence below is
/// selected, if any. Otherwise the next occurrence below the selection is
/// replaced, leaving the caret after it. Returns false when nothing was replaced: then show
/// not_found_message(text).
bool replace(TextTarget& target, std::string_view text, std::string_view replacement, SearchOptions options);

/// The replace all button. A selection equal to `text` character for
/// character is replaced first; then every occurrence from the caret
/// downwards, never searching inserted text again, all as one undo step.
/// Returns the number of replacements; when it is 0 show not_found_message(text).
std::size_t replace_all(TextTarget& target, std::string_view text, std::string_view replacement, SearchOptions options);

}  // namespace tagpad
