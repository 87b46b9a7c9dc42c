// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtk/gtk.h>

namespace tagpad {

/// The web view's place in the window's accessible tree. The page's objects
/// live in the web process and are linked into the window's tree; a screen
/// reader that walks the window would wait on every one of them while that
/// process does not answer, so they are left out then.
class PageAccessibility {
 public:
  explicit PageAccessibility(GtkWidget* view) : view_(view) {}
  ~PageAccessibility();
  PageAccessibility(const PageAccessibility&) = delete;
  PageAccessibility& operator=(const PageAccessibility&) = delete;

  /// Leaves the page out of the window's tree.
  void hide();
  /// Links the page in again, unless its process has linked a new page
  /// meanwhile.
  void show();
  /// The page's process is gone: its objects are left out for good; the
  /// next process links its own.
  void forget();

 private:
  GtkWidget* view_;
  // The link to the page's objects while it is left out.
  char* hidden_link_ = nullptr;
};

}  // namespace tagpad
