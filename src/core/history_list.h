// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <vector>

namespace tagpad {

/// The addresses typed into the address bar, in the order first typed,
/// compared without regard to letter case.
class HistoryList {
 public:
  /// The index of the first entry equal to `text`, or -1.
  int index_of(const std::string& text) const;
  /// Appends a non-empty text that is not in the list yet; returns whether it did.
  bool add(const std::string& text);
  /// The entry at `index`; throws "List index out of bounds (%d)".
  const std::string& at(int index) const;
  int count() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<std::string> entries_;
  std::vector<std::string> folded_;
};

}  // namespace tagpad
