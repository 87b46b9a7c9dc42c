// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>

namespace tagpad {

/// A caption with "&" before its access letter, as GTK's mnemonic label:
/// "&" becomes "_", "&&" a literal "&", and a literal "_" is doubled.
std::string mnemonic_label(const std::string& caption);

/// The caption as shown, without its access-letter marks.
std::string plain_label(const std::string& caption);

}  // namespace tagpad
