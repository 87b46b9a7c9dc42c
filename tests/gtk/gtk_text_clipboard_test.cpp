// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_text_clipboard.h"

#include "gtk/toolkit_setup.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>

namespace tagpad {
namespace {

// Offers only a picture, as an image editor's copy would.
void offer_picture_only(GtkClipboard* clipboard) {
  const GtkTargetEntry picture{const_cast<char*>("image/png"), 0, 0};
  gtk_clipboard_set_with_data(
      clipboard, &picture, 1, [](GtkClipboard*, GtkSelectionData*, guint, gpointer) {}, nullptr, nullptr);
}

TEST(GtkTextClipboard, FollowsTheOwnerWithoutWaitingForIt) {
  prepare_toolkit();
  GtkClipboard* desktop = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
  GtkTextClipboard clipboard;
  EXPECT_FALSE(clipboard.has_text());  // before any answer

  gtk_clipboard_set_text(desktop, "copied", -1);
  ASSERT_TRUE(iterate_until([&] { return clipboard.has_text(); }));
  offer_picture_only(desktop);
  ASSERT_TRUE(iterate_until([&] { return !clipboard.has_text(); }));
  gtk_clipboard_set_text(desktop, "again", -1);
  ASSERT_TRUE(iterate_until([&] { return clipboard.has_text(); }));
}

TEST(GtkTextClipboard, AnAnswerAfterTheObjectHasGoneIsDropped) {
  prepare_toolkit();
  GtkClipboard* desktop = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
  gtk_clipboard_set_text(desktop, "copied", -1);
  { GtkTextClipboard asked_and_gone; }
  GtkTextClipboard clipboard;
  ASSERT_TRUE(iterate_until([&] { return clipboard.has_text(); }));
}

}  // namespace
}  // namespace tagpad
