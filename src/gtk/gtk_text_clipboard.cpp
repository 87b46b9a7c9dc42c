// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_text_clipboard.h"

namespace tagpad {

GtkTextClipboard::GtkTextClipboard()
    : clipboard_(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD)),
      owner_change_id_(g_signal_connect_swapped(
          clipboard_, "owner-change", G_CALLBACK(+[](GtkTextClipboard* self) { self->ask_for_targets(); }), this)) {
  ask_for_targets();
}

GtkTextClipboard::~GtkTextClipboard() { g_signal_handler_disconnect(clipboard_, owner_change_id_); }

void GtkTextClipboard::ask_for_targets() {
  auto answer_to = std::make_unique<std::weak_ptr<bool>>(has_text_);
  gtk_clipboard_request_targets(
      clipboard_,
      [](GtkClipboard*, GdkAtom* targets, gint count, gpointer data) {
        const std::unique_ptr<std::weak_ptr<bool>> answer_to(static_cast<std::weak_ptr<bool>*>(data));
        if (auto has_text = answer_to->lock()) *has_text = targets && gtk_targets_include_text(targets, count);
      },
      answer_to.release());
}

}  // namespace tagpad
