// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/tool_bar.h"

#include "core/mnemonic.h"

#include <atkmm/object.h>
#include <gtkmm/image.h>
#include <gtkmm/toolbutton.h>

#include <array>

namespace tagpad {
namespace {

constexpr std::array<const char*, ToolbarModel::ImageCount> ImageFiles = {
    "img00_new",  "img01_run",  "img02_open",    "img03_save",   "img04_exit", "img05_forward",
    "img06_back", "img07_stop", "img08_notepad", "img09_source", "img10_about"};

Gtk::Image& image(int index) {
  auto* picture = Gtk::make_managed<Gtk::Image>(Gdk::Pixbuf::create_from_resource(
      std::string("/org/tagpad/images/") + ImageFiles.at(static_cast<std::size_t>(index)) + ".png",
      ToolbarModel::ImageSize, ToolbarModel::ImageSize));
  picture->show();
  return *picture;
}

}  // namespace

ToolBar::ToolBar(Gtk::Toolbar& toolbar, ToolbarModel& model, ApplicationHint& hint) : toolbar_(toolbar), hint_(hint) {
  for (const auto& button : model.buttons()) toolbar_.append(make_item(*button));
  // The toolbar has no window of its own and disabled buttons take no
  // events, so the pointer is followed on the top-level window, where every
  // motion that no child keeps arrives.
  Gtk::Widget& top = *toolbar_.get_toplevel();
  top.add_events(Gdk::POINTER_MOTION_MASK | Gdk::LEAVE_NOTIFY_MASK);
  connections_.add(top.signal_motion_notify_event().connect(
      [this](GdkEventMotion* event) {
        const int x = static_cast<int>(event->x_root), y = static_cast<int>(event->y_root);
        const ToolbarModel::Button* button = button_at(x, y);
        hint_.set_from_control(button);
        tooltips_.pointer_moved(button, x, y);
        return false;
      },
      false));
  connections_.add(top.signal_leave_notify_event().connect(
      [this](GdkEventCrossing* event) {
        if (event->detail == GDK_NOTIFY_INFERIOR) return false;
        hint_.set_from_control(nullptr);
        tooltips_.pointer_left();
        return false;
      },
      false));
}

Gtk::ToolItem& ToolBar::make_item(ToolbarModel::Button& button) {
  Gtk::ToolItem* item = nullptr;
  if (button.is_separator()) {
    // A GtkSeparatorToolItem is never narrower than the toolbar's 12-pixel
    // space; an empty item takes exactly the width asked of it.
    item = Gtk::make_managed<Gtk::ToolItem>();
    item->set_size_request(ToolbarModel::SeparatorWidth, ToolbarModel::ButtonHeight);
    item->get_accessible()->set_role(Atk::ROLE_SEPARATOR);
  } else {
    auto* tool_button = Gtk::make_managed<Gtk::ToolButton>();
    if (button.image_index()) tool_button->set_icon_widget(image(*button.image_index()));
    tool_button->set_label(plain_label(button.caption()));
    tool_button->set_is_important(!button.caption().empty());
    tool_button->set_size_request(button.auto_size() ? -1 : ToolbarModel::ButtonWidth, ToolbarModel::ButtonHeight);
    tool_button->get_accessible()->set_name(accessible_name(button.caption(), button.hint()));
    connections_.add(tool_button->signal_clicked().connect([this, &button] {
      tooltips_.dismiss();
      button.click();
    }));
    item = tool_button;
  }
  item->set_name(button.name());
  item->set_sensitive(button.enabled());
  item->set_visible(button.visible());
  button.set_on_changed([item, &button](BoundControl::Property property) {
    if (property == BoundControl::Property::Enabled) item->set_sensitive(button.enabled());
    if (property == BoundControl::Property::Visible) item->set_visible(button.visible());
  });
  items_.emplace_back(item, &button);
  return *item;
}

const ToolbarModel::Button* ToolBar::button_at(int root_x, int root_y) const {
  // Motion arrives in the coordinates of whichever child window took it;
  // screen coordinates compare the same for every item.
  auto* toplevel = toolbar_.get_toplevel();
  if (!toplevel->get_window()) return nullptr;
  int origin_x = 0, origin_y = 0;
  toplevel->get_window()->get_origin(origin_x, origin_y);
  for (const auto& [widget, button] : items_) {
    int x = 0, y = 0;
    if (!widget->get_visible() || !widget->translate_coordinates(*toplevel, 0, 0, x, y)) continue;
    x += origin_x;
    y += origin_y;
    if (root_x >= x && root_x < x + widget->get_allocated_width() && root_y >= y &&
        root_y < y + widget->get_allocated_height())
      return button;
  }
  return nullptr;
}

}  // namespace tagpad
