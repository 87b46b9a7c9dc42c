// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/history_list.h"

#include "core/error.h"

#include <glib.h>

#include <memory>

namespace tagpad {
namespace {

std::string fold(const std::string& text) {
  std::unique_ptr<char, decltype(&g_free)> folded(g_utf8_casefold(text.c_str(), text.size()), g_free);
  return folded.get();
}

}  // namespace

int HistoryList::index_of(const std::string& text) const {
  const std::string key = fold(text);
  for (std::size_t i = 0; i < folded_.size(); ++i)
    if (folded_[i] == key) return static_cast<int>(i);
  return -1;
}

bool HistoryList::add(const std::string& text) {
  if (text.empty() || index_of(text) >= 0) return false;
  entries_.push_back(text);
  folded_.push_back(fold(text));
  return true;
}

const std::string& HistoryList::at(int index) const {
  if (index < 0 || index >= count()) throw Error("List index out of bounds (" + std::to_string(index) + ")");
  return entries_[static_cast<std::size_t>(index)];
}

}  // namespace tagpad
