// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/command_control.h"

#include "core/command.h"

namespace tagpad {

template <typename T>
void BoundControl::assign(T ControlValues::*field, T value, Property property) {
  if (values_.*field == value) return;
  values_.*field = std::move(value);
  on_changed_.notify(property);
}

BoundControl::BoundControl(ControlValues values) : values_(std::move(values)) {}

BoundControl::~BoundControl() {
  if (command_) command_->detach(*this);
}

void BoundControl::set_caption(std::string caption) {
  assign(&ControlValues::caption, std::move(caption), Property::Caption);
}

void BoundControl::set_hint(std::string hint) { assign(&ControlValues::hint, std::move(hint), Property::Hint); }

void BoundControl::set_enabled(bool enabled) { assign(&ControlValues::enabled, enabled, Property::Enabled); }

void BoundControl::set_shortcut(Shortcut shortcut) { assign(&ControlValues::shortcut, shortcut, Property::Shortcut); }

void BoundControl::set_image_index(std::optional<int> image_index) {
  assign(&ControlValues::image_index, image_index, Property::ImageIndex);
}

void BoundControl::set_visible(bool visible) { assign(&ControlValues::visible, visible, Property::Visible); }

void BoundControl::bind(Command& command) {
  if (command_) command_->detach(*this);
  command_ = &command;
  command.attach(*this);
  if (values_.caption.empty() || values_.caption == values_.name) set_caption(command.caption());
  if (values_.hint.empty()) set_hint(command.hint());
  if (values_.enabled) set_enabled(command.enabled());
  if (!values_.image_index) set_image_index(command.image_index());
  if (values_.shortcut.is_none()) set_shortcut(command.shortcut());
}

bool BoundControl::click() { return values_.enabled && command_ && command_->execute(); }

void BoundControl::refresh_command() {
  if (values_.visible && command_) command_->refresh();
}

void BoundControl::follow_caption(const std::string& old_value, const std::string& new_value) {
  if (values_.caption == old_value) set_caption(new_value);
}

void BoundControl::follow_hint(const std::string& old_value, const std::string& new_value) {
  if (values_.hint == old_value) set_hint(new_value);
}

void BoundControl::follow_enabled(const bool& old_value, const bool& new_value) {
  if (values_.enabled == old_value) set_enabled(new_value);
}

}  // namespace tagpad
