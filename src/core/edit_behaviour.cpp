// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/edit_behaviour.h"

#include "core/command.h"

namespace tagpad {

bool EditBehaviour::update(Command& command) {
  TextTarget* target = focused_.get();
  if (!target) return false;
  command.set_enabled(edit_command_enabled(kind_, target, clipboard_));
  return true;
}

void EditBehaviour::execute(Command&) {
  if (TextTarget* target = focused_.get()) execute_edit_command(kind_, *target);
}

bool FindBehaviour::update(Command& command) {
  command.set_enabled(find_command_enabled(focused_.get()));
  return true;
}

void FindBehaviour::execute(Command&) {
  if (TextTarget* target = focused_.get()) open_(*target);
}

}  // namespace tagpad
