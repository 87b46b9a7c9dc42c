// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/string_snapshot.h"
#include "core/text_snapshot.h"

#include <gtk/gtk.h>

#include <memory>
#include <optional>
#include <string>

namespace tagpad {

/// A text buffer's text as it stood when taken, read from the buffer itself
/// piece by piece. Only when the buffer is about to change before the end is
/// read is the rest copied out, so a large text that nobody edits meanwhile
/// is never copied whole.
class PaneSnapshot : public TextSnapshot {
 public:
  explicit PaneSnapshot(GtkTextBuffer* buffer);
  ~PaneSnapshot() override;
  PaneSnapshot(const PaneSnapshot&) = delete;
  PaneSnapshot& operator=(const PaneSnapshot&) = delete;

  std::string_view next_piece() override;
  std::size_t size_hint() const override { return size_hint_; }

 private:
  void keep_rest();
  void let_go();

  // Held, and watched for changes, until the end is read or the rest kept.
  GtkTextBuffer* buffer_;
  gulong insert_id_ = 0;
  gulong delete_id_ = 0;
  int characters_read_ = 0;
  std::size_t size_hint_;
  std::unique_ptr<char, decltype(&g_free)> piece_{nullptr, g_free};
  // The unread rest, once the buffer was about to change.
  std::optional<StringSnapshot> rest_;
};

}  // namespace tagpad
