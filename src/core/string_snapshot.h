// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_snapshot.h"

#include <string>

namespace tagpad {

/// A snapshot of a text already in memory, which it keeps.
class StringSnapshot : public TextSnapshot {
 public:
  explicit StringSnapshot(std::string text) : text_(std::move(text)) {}

  std::string_view next_piece() override;
  std::size_t size_hint() const override { return text_.size(); }

 private:
  std::string text_;
  std::size_t read_ = 0;
};

}  // namespace tagpad
