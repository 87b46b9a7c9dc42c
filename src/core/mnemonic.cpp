// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/mnemonic.h"

#include "core/hint.h"

namespace tagpad {
namespace {

std::string translate(const std::string& caption, const char* access_mark) {
  std::string label;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        label += '&';
        ++i;
      } else {
        label += access_mark;
      }
    } else if (caption[i] == '_' && *access_mark) {
      label += "__";
    } else {
      label += caption[i];
    }
  }
  return label;
}

}  // namespace

std::string mnemonic_label(const std::string& caption) { return translate(caption, "_"); }

std::string plain_label(const std::string& caption) { return translate(caption, ""); }

std::string accessible_name(const std::string& caption, std::string_view hint) {
  return caption.empty() ? short_hint(hint) : plain_label(caption);
}

}  // namespace tagpad
