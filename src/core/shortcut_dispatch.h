// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/command_list.h"
#include "core/menu_model.h"
#include "core/shortcut.h"

namespace tagpad {

/// Offers a key to the menu, then to the command list; returns whether the
/// key is consumed. The caller has already given the browser pane its chance
/// and never passes an AltGr key; an unconsumed key goes on to the focused
/// control.
///
/// A menu item with this shortcut (depth first, an item before its
/// sub-items) consumes the key and is clicked from the top: the root, each
/// ancestor and the item in turn stop the walk if disabled, else refresh the
/// commands of their sub-items and are clicked. Without a menu match the first
/// command in list order with the shortcut is executed, and the key is
/// consumed only if it ran.
bool dispatch_shortcut(MenuModel& menu, CommandList& commands, const Shortcut& key);

}  // namespace tagpad
