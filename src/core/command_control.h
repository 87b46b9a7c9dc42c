// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/shortcut.h"
#include "core/single_observer.h"

#include <functional>
#include <optional>
#include <string>

namespace tagpad {

class Command;

/// The values a control is created with, before binding. Defaults are the
/// values that binding replaces with the command's.
struct ControlValues {
  std::string name{};
  std::string caption{};
  std::string hint{};
  bool enabled = true;
  Shortcut shortcut{};
  std::optional<int> image_index{};
  bool visible = true;
};

/// A menu item or toolbar button bound to a command. It holds the values it
/// shows; the GTK widget mirrors them through the changed callback.
class BoundControl {
 public:
  enum class Property { Caption, Hint, Enabled, Shortcut, ImageIndex, Visible };
  /// Told which value changed; read the new value from the control.
  using ChangedCallback = std::function<void(Property)>;

  explicit BoundControl(ControlValues values);
  virtual ~BoundControl();
  BoundControl(const BoundControl&) = delete;
  BoundControl& operator=(const BoundControl&) = delete;

  const std::string& name() const { return values_.name; }
  const std::string& caption() const { return values_.caption; }
  const std::string& hint() const { return values_.hint; }
  bool enabled() const { return values_.enabled; }
  const Shortcut& shortcut() const { return values_.shortcut; }
  std::optional<int> image_index() const { return values_.image_index; }
  bool visible() const { return values_.visible; }
  Command* command() const { return command_; }

  /// Direct changes (the forward button is switched this way); they never
  /// feed back to the command.
  void set_caption(std::string caption);
  void set_hint(std::string hint);
  void set_enabled(bool enabled);
  void set_shortcut(Shortcut shortcut);
  void set_image_index(std::optional<int> image_index);
  void set_visible(bool visible);

  /// One observer, attached once. Fires only on real changes.
  void set_on_changed(ChangedCallback callback) { on_changed_.attach(std::move(callback)); }

  /// Binds to the command: every value still at its default (caption empty
  /// or equal to the control's name, hint empty, enabled on, no image, no
  /// shortcut) takes the command's value; the control keeps the others.
  void bind(Command& command);

  /// Executes the command if the control is enabled; returns whether it ran.
  bool click();

  /// Refreshes the command's enabled state, for a visible bound control.
  void refresh_command();

 private:
  friend class Command;

  void follow_caption(const std::string& old_value, const std::string& new_value);
  void follow_hint(const std::string& old_value, const std::string& new_value);
  void follow_enabled(const bool& old_value, const bool& new_value);

  template <typename T>
  void assign(T ControlValues::*field, T value, Property property);

  ControlValues values_;
  Command* command_ = nullptr;
  SingleObserver<Property> on_changed_;
};

}  // namespace tagpad
