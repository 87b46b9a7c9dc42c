// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <glibmm/refptr.h>
#include <gtkmm/textbuffer.h>
#include <gtkmm/textview.h>
#include <sigc++/connection.h>
#include <sigc++/trackable.h>

namespace tagpad {

/// Puts off a text view's claims of the X PRIMARY selection while a `Hold`
/// on it lives. Each claim is a round trip to the X server, costlier than a
/// find-next request itself, so the claim for a burst of selection moves is
/// made once, shortly after the last hold of the burst ends. Holds nest. The
/// selection itself stays as it is, whoever takes PRIMARY meanwhile.
class PrimarySelectionDeferral : public sigc::trackable {
 public:
  /// `view` must outlive the deferral.
  explicit PrimarySelectionDeferral(Gtk::TextView& view);
  /// Gives the clipboard back to the buffer, claiming nothing.
  ~PrimarySelectionDeferral();
  PrimarySelectionDeferral(const PrimarySelectionDeferral&) = delete;
  PrimarySelectionDeferral& operator=(const PrimarySelectionDeferral&) = delete;

  /// How long after a burst the claim is made: far below the time a person
  /// needs to middle-click in another program.
  static constexpr unsigned ClaimDelayMs = 100;

  /// While one lives, selection moves in the view do not claim PRIMARY. A
  /// hold on an unrealized view does nothing: the view attaches the
  /// clipboard only while realized.
  class Hold {
   public:
    explicit Hold(PrimarySelectionDeferral& deferral);
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    PrimarySelectionDeferral* deferral_ = nullptr;
    // The detachment this hold belongs to; an unrealize in between ended it.
    unsigned detachment_ = 0;
  };

 private:
  void begin_hold();
  void end_hold(unsigned detachment);
  void detach();
  void reattach(bool claim);
  bool on_claim_due();

  // Borrowed
  Gtk::TextView& view_;

  // Held while the clipboard is detached from the buffer.
  Glib::RefPtr<Gtk::TextBuffer> buffer_;
  GtkClipboard* primary_ = nullptr;
  unsigned depth_ = 0;
  unsigned detachment_ = 0;
  sigc::connection claim_due_;
  // The view detaches the clipboard itself as it unrealizes; it must find it.
  sigc::connection unrealize_;
};

}  // namespace tagpad
