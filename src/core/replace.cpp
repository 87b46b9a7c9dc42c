// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/replace.h"

#include "core/replacing_copy.h"

#include <glib.h>

#include <memory>
#include <string>

namespace tagpad {

namespace {

std::string casefolded(std::string_view text) {
  const std::unique_ptr<gchar, decltype(&g_free)> folded(g_utf8_casefold(text.data(), static_cast<gssize>(text.size())),
                                                         &g_free);
  return folded.get();
}

std::string selected_text(const TextTarget& target) {
  return target.read(target.selection_start(), target.selection_length());
}

}  // namespace

bool replace(TextTarget& target, std::string_view text, std::string_view replacement, SearchOptions options) {
  if (target.selection_length() > 0 && casefolded(selected_text(target)) == casefolded(text)) {
    target.replace_selection(replacement);
    Search(target, text, Direction::Down, options).find_next();
    return true;
  }
  Search search(target, text, Direction::Down, options);
  if (!search.find_next()) return false;
  search.replace_match(replacement);
  return true;
}

std::size_t replace_all(TextTarget& target, std::string_view text, std::string_view replacement,
                        SearchOptions options) {
  // The replacements are made in a copy and the result set at once: one
  // change of the control, which its Undo takes back whole.
  ReplacingCopy copy(target.read(0, target.length()), target.selection_start(), target.selection_length());
  std::size_t count = 0;
  // Equal character for character needs equal length: no need to read a
  // large selection that cannot match.
  const std::size_t q = copy.selection_length();
  if (q > 0 && q == static_cast<std::size_t>(g_utf8_strlen(text.data(), static_cast<gssize>(text.size()))) &&
      copy.read(copy.selection_start(), q) == text) {
    copy.replace_selection(replacement);
    ++count;
  }
  Search search(copy, text, Direction::Down, options);
  while (search.find_next()) {
    search.replace_match(replacement);
    ++count;
  }
  if (count == 0) return 0;
  target.replace_text(copy.text());
  target.set_selection(copy.selection_start(), copy.selection_length());
  return count;
}

}  // namespace tagpad
