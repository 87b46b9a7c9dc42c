// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtkmm/box.h>
#include <gtkmm/eventbox.h>

namespace tagpad {

/// A bin that asks for no room of its own in one direction: whatever it is
/// given there, its child gets at least its own minimum and is cut off at
/// the bin's edge. So a child's minimum or natural size never widens the
/// window nor takes room that the layout gives to someone else.
class ClippingBin : public Gtk::EventBox {
 public:
  explicit ClippingBin(Gtk::Orientation orientation);

  /// Puts `child`, which must sit in a box, into a new bin that takes its
  /// place and packing there.
  static ClippingBin& wrap(Gtk::Widget& child, Gtk::Orientation orientation);

 protected:
  void get_preferred_width_vfunc(int& minimum, int& natural) const override;
  void get_preferred_height_vfunc(int& minimum, int& natural) const override;
  void get_preferred_width_for_height_vfunc(int height, int& minimum, int& natural) const override;
  void get_preferred_height_for_width_vfunc(int width, int& minimum, int& natural) const override;
  void on_size_allocate(Gtk::Allocation& allocation) override;

 private:
  void measure(Gtk::Orientation direction, int& minimum, int& natural) const;

  Gtk::Orientation orientation_;
};

}  // namespace tagpad
