// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tagpad {

/// What opening and saving a document need of the source pane. Its text is
/// UTF-8 with one "\n" per line break.
class DocumentPane {
 public:
  virtual ~DocumentPane() = default;
  /// Hands the whole text to `use` for the length of the call, uncopied.
  virtual void lend_text(const std::function<void(std::string_view)>& use) const = 0;
  /// Whether the pane holds exactly `text`.
  virtual bool holds(std::string_view text) const = 0;
  /// Replaces the whole text, raising the change notification once.
  virtual void set_text(const std::string& text) = 0;
  virtual void suspend_redraw() = 0;
  /// Ends a suspension and repaints the pane.
  virtual void resume_redraw() = 0;
};

}  // namespace tagpad
