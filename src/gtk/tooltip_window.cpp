// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/tooltip_window.h"

#include <atkmm/object.h>
#include <cairomm/region.h>
#include <gdkmm/display.h>
#include <gdkmm/monitor.h>
#include <gdkmm/rectangle.h>
#include <gdkmm/rgba.h>
#include <gdkmm/screen.h>
#include <gdkmm/visual.h>
#include <gdkmm/window.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/widgetpath.h>

#include <algorithm>

namespace tagpad {

namespace {

// Inside the tooltip frame, as GTK's own tooltips leave.
constexpr int Padding = 6;

Glib::RefPtr<Gtk::StyleContext> tooltip_look(const Glib::RefPtr<Gdk::Screen>& screen) {
  Gtk::WidgetPath path;
  path.path_append_type(Gtk::Window::get_type());
  // gtkmm 3 does not wrap node names.
  gtk_widget_path_iter_set_object_name(path.gobj(), -1, "tooltip");
  path.iter_add_class(-1, "background");
  auto look = Gtk::StyleContext::create();
  look->set_path(path);
  look->set_screen(screen);
  return look;
}

}  // namespace

TooltipWindow::TooltipWindow() : Gtk::Window(Gtk::WINDOW_POPUP), look_(tooltip_look(get_screen())) {
  set_type_hint(Gdk::WINDOW_TYPE_HINT_TOOLTIP);
  set_accept_focus(false);
  set_focus_on_map(false);
  set_resizable(false);
  set_app_paintable(true);
  // The theme's tooltip background may be translucent and rounded.
  if (get_screen()->is_composited())
    if (auto visual = get_screen()->get_rgba_visual())
      gtk_widget_set_visual(GTK_WIDGET(gobj()), visual->gobj());  // Not wrapped by gtkmm 3.
  get_style_context()->add_class("tooltip");
  get_accessible()->set_role(Atk::ROLE_TOOL_TIP);

  // The label's own node sits under a window, not a tooltip, so it is given
  // the tooltip's text colour explicitly.
  auto colour = Gtk::CssProvider::create();
  colour->load_from_data("label { color: " + look_->get_color(Gtk::STATE_FLAG_NORMAL).to_string() + "; }");
  label_.get_style_context()->add_provider(colour, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  label_.set_line_wrap(true);
  label_.set_max_width_chars(60);
  label_.set_margin_start(Padding);
  label_.set_margin_end(Padding);
  label_.set_margin_top(Padding / 2);
  label_.set_margin_bottom(Padding / 2);
  add(label_);
  label_.show();
}

void TooltipWindow::show_tooltip(const std::string& text, int x, int y) {
  label_.set_text(text);
  // Shrink to the new text before measuring.
  resize(1, 1);
  Gtk::Requisition minimum, natural;
  get_preferred_size(minimum, natural);

  auto monitor = get_display()->get_monitor_at_point(x, y);
  Gdk::Rectangle area;
  monitor->get_workarea(area);
  const int right = area.get_x() + area.get_width() - natural.width;
  const int left = std::max(area.get_x(), std::min(x, right));
  int top = y + PointerGap;
  // No room below the pointer: above it, clear of the cursor.
  if (top + natural.height > area.get_y() + area.get_height())
    top = std::max(area.get_y(), y - PointerGap / 2 - natural.height);
  move(left, top);
  show();
}

void TooltipWindow::hide_tooltip() { hide(); }

void TooltipWindow::on_realize() {
  Gtk::Window::on_realize();
  // An empty input shape lets the pointer pass through: hovering the tooltip
  // must not count as leaving the toolbar.
  get_window()->input_shape_combine_region(Cairo::Region::create(), 0, 0);
}

bool TooltipWindow::on_draw(const Cairo::RefPtr<Cairo::Context>& cr) {
  const int width = get_allocated_width();
  const int height = get_allocated_height();
  look_->render_background(cr, 0, 0, width, height);
  look_->render_frame(cr, 0, 0, width, height);
  return Gtk::Window::on_draw(cr);
}

}  // namespace tagpad
