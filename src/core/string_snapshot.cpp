// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/string_snapshot.h"

namespace tagpad {
namespace {

constexpr std::size_t PieceSize = 64 * 1024;

}  // namespace

std::string_view StringSnapshot::next_piece() {
  const std::string_view piece = std::string_view(text_).substr(read_, PieceSize);
  read_ += piece.size();
  return piece;
}

}  // namespace tagpad
