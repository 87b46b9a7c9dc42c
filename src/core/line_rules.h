// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tagpad {

/// The line count of the source pane from the control's own count of lines
/// (at least 1; a text ending in a line break has an empty last line, as in
/// a GtkTextBuffer) and whether that last line is empty.
int line_count(int control_lines, bool last_line_empty);

/// The status bar text for a line count: "%d 줄".
std::string line_count_text(int count);

/// An insertion into the pane's text.
struct LineInsertion {
  std::size_t position = 0;  ///< Character offset to insert at.
  std::string text;          ///< What to insert; the caret goes after it.
};

/// Adding `line` to the line view of a text of `text_length` characters.
/// The new line goes in at index n, the line count: when that line exists
/// (the last line is empty) `line` and a break go in at its start,
/// otherwise a break and `line` at the end of the last line. Either way
/// that is the end of the text.
LineInsertion line_insertion(std::string_view line, std::size_t text_length, bool last_line_empty);

}  // namespace tagpad
