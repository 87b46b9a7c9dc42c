// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/clipping_bin.h"

#include "core/error.h"

#include <gdkmm/window.h>

#include <algorithm>

namespace tagpad {

ClippingBin::ClippingBin(Gtk::Orientation orientation) : orientation_(orientation) {
  // The bin's own window is what cuts the child off.
  set_visible_window(true);
}

ClippingBin& ClippingBin::wrap(Gtk::Widget& child, Gtk::Orientation orientation) {
  auto* box = dynamic_cast<Gtk::Box*>(child.get_parent());
  if (!box) throw Error("ClippingBin: '" + child.get_name() + "' is not in a box");
  // Not wrapped by gtkmm 3.
  gboolean expand = FALSE, fill = FALSE;
  guint padding = 0;
  GtkPackType pack_type = GTK_PACK_START;
  gtk_box_query_child_packing(box->gobj(), child.gobj(), &expand, &fill, &padding, &pack_type);
  int position = 0;
  gtk_container_child_get(GTK_CONTAINER(box->gobj()), child.gobj(), "position", &position, nullptr);

  auto& bin = *Gtk::make_managed<ClippingBin>(orientation);
  // Held while between parents.
  child.reference();
  box->remove(child);
  bin.add(child);
  child.unreference();
  box->add(bin);
  gtk_box_set_child_packing(box->gobj(), GTK_WIDGET(bin.gobj()), expand, fill, padding, pack_type);
  box->reorder_child(bin, position);
  bin.show();
  return bin;
}

void ClippingBin::measure(Gtk::Orientation direction, int& minimum, int& natural) const {
  minimum = natural = 0;
  const Gtk::Widget* child = get_child();
  if (direction == orientation_ || !child || !child->get_visible()) return;
  if (direction == Gtk::ORIENTATION_HORIZONTAL)
    child->get_preferred_width(minimum, natural);
  else
    child->get_preferred_height(minimum, natural);
}

void ClippingBin::get_preferred_width_vfunc(int& minimum, int& natural) const {
  measure(Gtk::ORIENTATION_HORIZONTAL, minimum, natural);
}

void ClippingBin::get_preferred_height_vfunc(int& minimum, int& natural) const {
  measure(Gtk::ORIENTATION_VERTICAL, minimum, natural);
}

void ClippingBin::get_preferred_width_for_height_vfunc(int, int& minimum, int& natural) const {
  measure(Gtk::ORIENTATION_HORIZONTAL, minimum, natural);
}

void ClippingBin::get_preferred_height_for_width_vfunc(int, int& minimum, int& natural) const {
  measure(Gtk::ORIENTATION_VERTICAL, minimum, natural);
}

void ClippingBin::on_size_allocate(Gtk::Allocation& allocation) {
  set_allocation(allocation);
  if (get_realized())
    get_window()->move_resize(allocation.get_x(), allocation.get_y(), allocation.get_width(), allocation.get_height());
  Gtk::Widget* child = get_child();
  if (!child || !child->get_visible()) return;
  int minimum_width = 0, minimum_height = 0, natural = 0;
  child->get_preferred_width(minimum_width, natural);
  child->get_preferred_height(minimum_height, natural);
  // Inside the bin's own window, so at its origin.
  Gtk::Allocation inside(0, 0, std::max(allocation.get_width(), minimum_width),
                         std::max(allocation.get_height(), minimum_height));
  child->size_allocate(inside);
}

}  // namespace tagpad
