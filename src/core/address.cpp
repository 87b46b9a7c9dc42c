// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/address.h"

#include <glib.h>

#include <array>
#include <memory>
#include <string_view>

namespace tagpad {
namespace {

// Schemes that take no "//", so "about:blank" is not read as a host name.
constexpr std::array<std::string_view, 7> OpaqueSchemes = {"about",  "blob",        "data", "javascript",
                                                           "mailto", "view-source", "file"};

bool has_scheme(const std::string& text) {
  std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || !g_ascii_isalpha(text[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    char c = text[i];
    if (!g_ascii_isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  if (text.compare(colon, 3, "://") == 0) return true;
  std::string scheme = text.substr(0, colon);
  for (char& c : scheme) c = g_ascii_tolower(c);
  for (std::string_view known : OpaqueSchemes)
    if (scheme == known) return true;
  return false;
}

}  // namespace

std::string complete_address(const std::string& typed,
                             const std::function<bool(const std::string& path)>& is_existing_path) {
  if (has_scheme(typed)) return typed;
  if (!typed.empty() && is_existing_path(typed)) {
    std::unique_ptr<char, decltype(&g_free)> absolute(g_canonicalize_filename(typed.c_str(), nullptr), g_free);
    std::unique_ptr<char, decltype(&g_free)> uri(g_filename_to_uri(absolute.get(), nullptr, nullptr), g_free);
    if (uri) return uri.get();
  }
  return "http://" + typed;
}

}  // namespace tagpad
