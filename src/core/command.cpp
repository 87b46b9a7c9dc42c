// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command.h"

#include "core/command_behaviour.h"
#include "core/command_control.h"

#include <algorithm>

namespace tagpad {

bool refresh_requires_handler(CommandKind kind) {
  switch (kind) {
    case CommandKind::Plain:
    case CommandKind::EditCut:
    case CommandKind::EditCopy:
    case CommandKind::EditPaste:
    case CommandKind::EditUndo:
    case CommandKind::EditSelectAll:
      return true;
    default:
      return false;
  }
}

template <typename T>
void Command::change(T CommandValues::*field, T value, void (BoundControl::*follow)(const T&, const T&)) {
  if (values_.*field == value) return;
  // The controls compare against the old value, so it is stored only after.
  for (BoundControl* control : controls_) (control->*follow)(values_.*field, value);
  values_.*field = std::move(value);
}

Command::Command(CommandValues values) : values_(std::move(values)) {}

Command::~Command() {
  for (BoundControl* control : controls_) control->command_ = nullptr;
}

void Command::set_caption(std::string caption) {
  change(&CommandValues::caption, std::move(caption), &BoundControl::follow_caption);
}

void Command::set_hint(std::string hint) { change(&CommandValues::hint, std::move(hint), &BoundControl::follow_hint); }

void Command::set_enabled(bool enabled) { change(&CommandValues::enabled, enabled, &BoundControl::follow_enabled); }

void Command::set_behaviour(std::unique_ptr<CommandBehaviour> behaviour) { behaviour_ = std::move(behaviour); }

void Command::refresh() {
  if (behaviour_ && behaviour_->update(*this)) return;
  if (values_.enabled && refresh_requires_handler(values_.kind)) set_enabled(has_handler());
}

bool Command::execute() {
  refresh();
  if (!values_.enabled) return false;
  if (handler_) {
    // A copy, so that a handler that replaces the command's handler does not
    // destroy itself while it runs.
    Handler handler = handler_;
    handler();
    return true;
  }
  if (behaviour_) {
    behaviour_->execute(*this);
    return true;
  }
  return false;
}

void Command::attach(BoundControl& control) { controls_.push_back(&control); }

void Command::detach(BoundControl& control) { std::erase(controls_, &control); }

}  // namespace tagpad
