// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <string_view>

namespace tagpad {

/// A caption with "&" before its access letter, as GTK's mnemonic label:
/// "&" becomes "_", "&&" a literal "&", and a literal "_" is doubled.
std::string mnemonic_label(const std::string& caption);

/// The caption as shown, without its access-letter marks.
std::string plain_label(const std::string& caption);

/// The name a screen reader gives a control: its caption as shown, or the
/// short part of its hint when it shows only an image.
std::string accessible_name(const std::string& caption, std::string_view hint);

}  // namespace tagpad
