// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/line_rules.h"

namespace tagpad {

int line_count(int control_lines, bool last_line_empty) { return last_line_empty ? control_lines - 1 : control_lines; }

std::string line_count_text(int count) { return std::to_string(count) + " 줄"; }

LineInsertion line_insertion(std::string_view line, std::size_t text_length, bool last_line_empty) {
  LineInsertion insertion{.position = text_length, .text = {}};
  if (last_line_empty) {
    insertion.text.append(line).append("\n");
  } else {
    insertion.text.append("\n").append(line);
  }
  return insertion;
}

}  // namespace tagpad
