// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/document_pane.h"

#include <string>

namespace tagpad {

/// A source pane that counts its change notifications and redraw calls.
class FakeDocumentPane : public DocumentPane {
 public:
  explicit FakeDocumentPane(std::string text = "") : text_(std::move(text)) {}

  void lend_text(const std::function<void(std::string_view)>& use) const override { use(text_); }
  const std::string& text() const { return text_; }
  bool holds(std::string_view text) const override { return text_ == text; }
  void set_text(const std::string& text) override {
    text_ = text;
    ++changes;
  }
  void suspend_redraw() override { ++suspended; }
  void resume_redraw() override { --suspended; }

  int changes = 0;
  int suspended = 0;

 private:
  std::string text_;
};

}  // namespace tagpad
