// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/command.h"
#include "core/command_behaviour.h"
#include "core/command_id.h"
#include "core/command_list.h"
#include "core/menu_model.h"
#include "core/shortcut.h"
#include "core/toolbar_model.h"

#include <memory>
#include <string_view>

namespace tagpad {

/// The main window's commands `ActionList1`, its menu `MainMenu1` and its
/// toolbar `ToolBar1`, created with their own values and then bound. The
/// window attaches handlers and behaviours by id after construction, before
/// the first idle refresh, and mirrors the controls into its widgets.
class CommandTable {
 public:
  CommandTable();
  CommandTable(const CommandTable&) = delete;
  CommandTable& operator=(const CommandTable&) = delete;

  CommandList& action_list() { return action_list_; }
  MenuModel& main_menu() { return main_menu_; }
  ToolbarModel& tool_bar() { return tool_bar_; }

  Command& command(CommandId id) const;
  /// Lookups by component name; an unknown name throws `tagpad::Error`.
  MenuModel::Item& menu_item(std::string_view name);
  ToolbarModel::Button& tool_button(std::string_view name) const;

  void set_handler(CommandId id, Command::Handler handler) { command(id).set_handler(std::move(handler)); }
  void set_behaviour(CommandId id, std::unique_ptr<CommandBehaviour> behaviour) {
    command(id).set_behaviour(std::move(behaviour));
  }

  /// The window's key press, after the browser pane and the AltGr check;
  /// returns whether the key is consumed.
  bool dispatch_shortcut(const Shortcut& key);

  /// Run when the application becomes idle while the window is visible and
  /// not under a modal dialog: refreshes the commands of the visible toolbar
  /// buttons and top-level menu items.
  void idle_refresh();

 private:
  // Declared first so that the controls, which detach from their commands,
  // are destroyed before the commands.
  CommandList action_list_;
  MenuModel main_menu_;
  ToolbarModel tool_bar_;
};

}  // namespace tagpad
