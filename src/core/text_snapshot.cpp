// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/text_snapshot.h"

namespace tagpad {

std::string read_rest(TextSnapshot& snapshot) {
  std::string text;
  for (std::string_view piece = snapshot.next_piece(); !piece.empty(); piece = snapshot.next_piece()) text += piece;
  return text;
}

}  // namespace tagpad
