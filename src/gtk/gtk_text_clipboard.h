// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/clipboard.h"

#include <gtk/gtk.h>

#include <memory>

namespace tagpad {

/// The desktop's CLIPBOARD selection, whether it offers text. The answer is
/// kept up to date from the clipboard's owner changes, asking the new owner
/// for its targets without waiting: a waiting call would run a nested main
/// loop inside the commands' refresh.
class GtkTextClipboard : public Clipboard {
 public:
  GtkTextClipboard();
  ~GtkTextClipboard() override;
  GtkTextClipboard(const GtkTextClipboard&) = delete;
  GtkTextClipboard& operator=(const GtkTextClipboard&) = delete;

  /// As of the last answer from the clipboard's owner; false before one.
  bool has_text() const override { return *has_text_; }

 private:
  void ask_for_targets();

  GtkClipboard* clipboard_;
  gulong owner_change_id_;
  // Shared with the requests in flight, which may answer after this object
  // has gone; they hold it weakly.
  std::shared_ptr<bool> has_text_ = std::make_shared<bool>(false);
};

}  // namespace tagpad
