// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/page_accessibility.h"

#include <atk/atk.h>

#include <utility>

namespace tagpad {
namespace {

// HACK: AtkSocket offers no call to let go of its plug. The bridge to the
// accessibility bus reports a socket's one child from embedded_plug_id while
// it is set, and sets it anew when the next web process embeds its page.
char** plug_link(GtkWidget* view) {
  AtkObject* accessible = gtk_widget_get_accessible(view);
  return ATK_IS_SOCKET(accessible) ? &ATK_SOCKET(accessible)->embedded_plug_id : nullptr;
}

}  // namespace

PageAccessibility::~PageAccessibility() { g_free(hidden_link_); }

void PageAccessibility::hide() {
  char** link = plug_link(view_);
  if (!link || !*link) return;
  g_free(hidden_link_);
  hidden_link_ = std::exchange(*link, nullptr);
}

void PageAccessibility::show() {
  if (!hidden_link_) return;
  char** link = plug_link(view_);
  if (link && !*link)
    *link = std::exchange(hidden_link_, nullptr);
  else
    g_clear_pointer(&hidden_link_, g_free);
}

void PageAccessibility::forget() {
  hide();
  g_clear_pointer(&hidden_link_, g_free);
}

}  // namespace tagpad
