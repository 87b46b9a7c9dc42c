// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/document_pane.h"
#include "gtk/source_pane.h"

namespace tagpad {

/// The source pane as the place documents are opened into and saved from.
class MemoDocumentPane : public DocumentPane {
 public:
  explicit MemoDocumentPane(SourcePane& pane) : pane_(pane) {}

  void lend_text(const std::function<void(std::string_view)>& use) const override { pane_.lend_text(use); }
  bool holds(std::string_view text) const override { return pane_.holds(text); }
  void set_text(const std::string& text) override { pane_.set_text(text); }
  void suspend_redraw() override { pane_.freeze_redraw(); }
  void resume_redraw() override { pane_.thaw_redraw(); }

 private:
  // Borrowed
  SourcePane& pane_;
};

}  // namespace tagpad
