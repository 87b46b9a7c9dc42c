// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/clipboard.h"

namespace tagpad {

/// The desktop's CLIPBOARD selection, asked whether it offers text.
class GtkTextClipboard : public Clipboard {
 public:
  bool has_text() const override;
};

}  // namespace tagpad
