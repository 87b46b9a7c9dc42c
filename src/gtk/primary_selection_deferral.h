// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtk/gtk.h>

namespace tagpad {

/// While alive, selection moves in a text view's buffer do not claim the X
/// PRIMARY selection. Each claim is a round trip to the X server, costlier
/// than a find-next request itself, so the claim for a burst of moves is
/// made once, shortly after the last deferral of the burst ends. Nests.
/// The selection itself stays as it is, whoever takes PRIMARY meanwhile.
class PrimarySelectionDeferral {
 public:
  explicit PrimarySelectionDeferral(GtkTextView* view);
  ~PrimarySelectionDeferral();
  PrimarySelectionDeferral(const PrimarySelectionDeferral&) = delete;
  PrimarySelectionDeferral& operator=(const PrimarySelectionDeferral&) = delete;

  /// How long after a burst the claim is made: far below the time a person
  /// needs to middle-click in another program.
  static constexpr guint ClaimDelayMs = 100;

 private:
  // Held for the deferral's life; null while the view is unrealized.
  GtkTextBuffer* buffer_;
};

}  // namespace tagpad
