// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_snapshot.h"

#include <memory>
#include <string>

namespace tagpad {

/// The parts of the main window that the preview and navigation rules read
/// and change. Texts are UTF-8; a change of the source pane is one undo
/// step, and setting a text a control already holds is no change.
class PreviewWindow {
 public:
  virtual ~PreviewWindow() = default;
  /// The source pane `Memo`.
  virtual std::string source_text() const = 0;
  /// The source pane's text as it stands now, kept so while it is read.
  virtual std::unique_ptr<TextSnapshot> source_snapshot() const = 0;
  virtual void set_source_text(const std::string& text) = 0;
  /// The address bar `Edit1`.
  virtual std::string address_text() const = 0;
  virtual void set_address_text(const std::string& text) = 0;
  virtual void set_caption(const std::string& caption) = 0;
};

}  // namespace tagpad
