// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gtkmm/window.h>

namespace tagpad {

/// The program's active window, or null.
Gtk::Window* active_window();

/// Makes `dialog` modal to the active window and moves it where the
/// program's dialogs first appear on that window's monitor.
void place_modal_dialog(Gtk::Window& dialog);

}  // namespace tagpad
