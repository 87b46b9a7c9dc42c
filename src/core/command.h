// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/shortcut.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tagpad {

class BoundControl;
class CommandBehaviour;

/// What a command is: a plain command, or one of the standard commands whose
/// behaviour acts on a target found at run time.
enum class CommandKind {
  Plain,
  EditCut,
  EditCopy,
  EditPaste,
  EditUndo,
  EditSelectAll,
  WindowClose,
  FileOpen,
  FilePrintSetup,
  FilePageSetup,
  SearchFind,
  SearchReplace,
  HelpContents,
  PrintDialog,
};

/// True for the kinds that the refresh rule switches off when they have no
/// handler and no target claims them: plain commands and the five edit
/// commands. Dialog, find, replace, window-close and help commands are exempt.
bool refresh_requires_handler(CommandKind kind);

/// The values a command is created with.
struct CommandValues {
  std::string name{};
  CommandKind kind = CommandKind::Plain;
  std::string category{};
  std::string caption{};
  std::string hint{};
  Shortcut shortcut{};
  bool enabled = true;
  std::optional<int> image_index{};
};

/// A named command of the command list. Its bound controls (menu items,
/// toolbar buttons) follow a change of its caption, hint or enabled flag
/// while they show its old value.
class Command {
 public:
  using Handler = std::function<void()>;

  explicit Command(CommandValues values);
  ~Command();
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  const std::string& name() const { return values_.name; }
  CommandKind kind() const { return values_.kind; }
  const std::string& category() const { return values_.category; }
  const std::string& caption() const { return values_.caption; }
  const std::string& hint() const { return values_.hint; }
  const Shortcut& shortcut() const { return values_.shortcut; }
  bool enabled() const { return values_.enabled; }
  std::optional<int> image_index() const { return values_.image_index; }

  /// Each setter tells the bound controls (which update only where they show
  /// the old value) and then stores the new value; an equal value changes
  /// nothing.
  void set_caption(std::string caption);
  void set_hint(std::string hint);
  void set_enabled(bool enabled);

  /// Attach before the first refresh: a command that the refresh rule has
  /// switched off stays off until something enables it.
  void set_handler(Handler handler) { handler_ = std::move(handler); }
  bool has_handler() const { return static_cast<bool>(handler_); }
  void set_behaviour(std::unique_ptr<CommandBehaviour> behaviour);
  CommandBehaviour* behaviour() const { return behaviour_.get(); }

  const std::vector<BoundControl*>& controls() const { return controls_; }

  /// Lets the behaviour's target decide the enabled state; when no target
  /// claims the command, an enabled command subject to the rule (see
  /// `refresh_requires_handler`) becomes enabled exactly when it has a handler.
  void refresh();

  /// Refreshes, then, if enabled, runs the handler or else the behaviour.
  /// Returns whether one of them ran.
  bool execute();

 private:
  friend class BoundControl;

  void attach(BoundControl& control);
  void detach(BoundControl& control);

  template <typename T>
  void change(T CommandValues::*field, T value, void (BoundControl::*follow)(const T&, const T&));

  CommandValues values_;
  Handler handler_;
  std::unique_ptr<CommandBehaviour> behaviour_;
  std::vector<BoundControl*> controls_;
};

}  // namespace tagpad
