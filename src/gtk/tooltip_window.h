// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/tooltip_controller.h"

#include <gtkmm/label.h>
#include <gtkmm/stylecontext.h>
#include <gtkmm/window.h>

#include <string>

namespace tagpad {

/// The toolbar's tooltip: a popup that looks like the platform's tooltips,
/// never takes focus or the pointer, and whose text a screen reader reads
/// through its label.
class TooltipWindow : public Gtk::Window, public TooltipController::View {
 public:
  /// Gap between the pointer and the tooltip's top edge.
  static constexpr int PointerGap = 20;

  TooltipWindow();

  void show_tooltip(const std::string& text, int x, int y) override;
  void hide_tooltip() override;

  const Gtk::Label& label() const { return label_; }

 protected:
  void on_realize() override;
  bool on_draw(const Cairo::RefPtr<Cairo::Context>& cr) override;

 private:
  Gtk::Label label_;
  // Styled as GTK's own "tooltip.background" node, which a plain window
  // cannot become, so the theme's tooltip colours and frame apply.
  Glib::RefPtr<Gtk::StyleContext> look_;
};

}  // namespace tagpad
