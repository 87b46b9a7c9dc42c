// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/toolbar_model.h"

#include <algorithm>

namespace tagpad {

ToolbarModel::Button::Button(ControlValues values, Style style, bool auto_size)
    : BoundControl(std::move(values)), style_(style), auto_size_(auto_size) {}

ToolbarModel::Button& ToolbarModel::add_button(ControlValues values, bool auto_size) {
  return *buttons_.emplace_back(std::make_unique<Button>(std::move(values), Style::Button, auto_size));
}

ToolbarModel::Button& ToolbarModel::add_separator() {
  return *buttons_.emplace_back(std::make_unique<Button>(ControlValues{}, Style::Separator, false));
}

ToolbarModel::Button* ToolbarModel::find(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto found = std::ranges::find_if(buttons_, [name](const auto& button) { return button->name() == name; });
  return found == buttons_.end() ? nullptr : found->get();
}

void ToolbarModel::refresh_commands() {
  for (const auto& button : buttons_) button->refresh_command();
}

}  // namespace tagpad
