// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/application_hint.h"
#include "core/toolbar_model.h"
#include "core/tooltip_controller.h"
#include "gtk/connections.h"
#include "gtk/glib_timer_service.h"
#include "gtk/tooltip_window.h"

#include <gtkmm/toolbar.h>
#include <gtkmm/toolitem.h>

#include <vector>

namespace tagpad {

/// The toolbar's widgets, built from the toolbar model and mirroring it,
/// and the pointer's hint over them, disabled buttons included.
class ToolBar {
 public:
  ToolBar(Gtk::Toolbar& toolbar, ToolbarModel& model, ApplicationHint& hint);

  /// A click or key press anywhere closes the tooltip.
  void dismiss_tooltip() { tooltips_.dismiss(); }

  /// The button model under a point of the screen, or null.
  const ToolbarModel::Button* button_at(int root_x, int root_y) const;

 private:
  Gtk::ToolItem& make_item(ToolbarModel::Button& button);

  // Borrowed
  Gtk::Toolbar& toolbar_;
  ApplicationHint& hint_;
  // The widgets (owned by the toolbar) beside their models, left to right.
  std::vector<std::pair<Gtk::ToolItem*, ToolbarModel::Button*>> items_;

  // Owned; the controller is destroyed first, while its timers still exist.
  GlibTimerService tooltip_timers_;
  TooltipWindow tooltip_window_;
  TooltipController tooltips_{tooltip_timers_, tooltip_window_};
  // To the window and the buttons, which outlive this object.
  Connections connections_;
};

}  // namespace tagpad
