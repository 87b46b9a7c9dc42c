// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/command_control.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tagpad {

/// A toolbar's buttons and separators, left to right. Images are indices
/// into the window's image list.
class ToolbarModel {
 public:
  // The toolbar's layout, in pixels at 96 dots per inch. The build renders
  // the images at `ImageSize`, reading it from this line.
  static constexpr int ImageCount = 11;
  static constexpr int ImageSize = 32;
  static constexpr int ButtonHeight = 38;
  /// Width of a button that does not size itself to its content.
  static constexpr int ButtonWidth = 79;
  static constexpr int SeparatorWidth = 3;

  enum class Style { Button, Separator };

  class Button : public BoundControl {
   public:
    Button(ControlValues values, Style style, bool auto_size);

    Style style() const { return style_; }
    bool is_separator() const { return style_ == Style::Separator; }
    /// Sizes itself to image and caption; otherwise `ButtonWidth` wide.
    bool auto_size() const { return auto_size_; }

   private:
    Style style_;
    bool auto_size_;
  };

  Button& add_button(ControlValues values, bool auto_size = true);
  /// A nameless separator: no caption, no hint, hence no tooltip.
  Button& add_separator();

  const std::vector<std::unique_ptr<Button>>& buttons() const { return buttons_; }

  /// The button with that name; nullptr for none. Separators have no name.
  Button* find(std::string_view name) const;

  /// Refreshes the commands of the visible bound buttons (the idle refresh).
  void refresh_commands();

 private:
  std::vector<std::unique_ptr<Button>> buttons_;
};

}  // namespace tagpad
