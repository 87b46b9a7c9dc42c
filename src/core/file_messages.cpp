// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/file_messages.h"

#include <glib.h>

#include <algorithm>
#include <memory>

namespace tagpad {
namespace {

constexpr long MaxPathCharacters = 260;
constexpr std::size_t MaxSystemTextBytes = 255;

using GString = std::unique_ptr<char, decltype(&g_free)>;

std::string file_message(const char* words, const std::string& path, int code) {
  return std::string(words) + " \"" + message_path(path) + "\". " + system_error_text(code);
}

}  // namespace

std::string message_path(const std::string& path) {
  GString full(g_canonicalize_filename(path.c_str(), nullptr), g_free);
  GString shown(g_filename_display_name(full.get()), g_free);
  const char* end = g_utf8_offset_to_pointer(shown.get(), std::min(MaxPathCharacters, g_utf8_strlen(shown.get(), -1)));
  return std::string(static_cast<const char*>(shown.get()), end);
}

std::string system_error_text(int code) { return trimmed_system_text(g_strerror(code)); }

std::string trimmed_system_text(std::string text) {
  if (text.size() > MaxSystemTextBytes) {
    // Cut before a whole character, so the message stays valid UTF-8.
    std::size_t cut = MaxSystemTextBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.resize(cut);
  }
  while (!text.empty()) {
    const unsigned char last = static_cast<unsigned char>(text.back());
    if (last != ' ' && last != '.' && last >= 0x20 && last != 0x7F) break;
    text.pop_back();
  }
  return text;
}

std::string cannot_open_file_message(const std::string& path, int code) {
  return file_message("Cannot open file", path, code);
}

std::string cannot_create_file_message(const std::string& path, int code) {
  return file_message("Cannot create file", path, code);
}

}  // namespace tagpad
