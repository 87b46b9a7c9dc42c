// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_text_clipboard.h"

#include <gtk/gtk.h>

namespace tagpad {

bool GtkTextClipboard::has_text() const {
  return gtk_clipboard_wait_is_text_available(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD));
}

}  // namespace tagpad
