// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/clipboard.h"
#include "core/text_target.h"

#include <glib.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tagpad::testing {

inline std::u32string to_u32(std::string_view utf8) {
  if (utf8.empty()) return {};
  glong count = 0;
  const std::unique_ptr<gunichar, decltype(&g_free)> chars(
      g_utf8_to_ucs4_fast(utf8.data(), static_cast<glong>(utf8.size()), &count), &g_free);
  return std::u32string(chars.get(), chars.get() + count);
}

inline std::string to_utf8(std::u32string_view chars) {
  const std::unique_ptr<gchar, decltype(&g_free)> utf8(
      g_ucs4_to_utf8(reinterpret_cast<const gunichar*>(chars.data()), static_cast<glong>(chars.size()), nullptr,
                     nullptr, nullptr),
      &g_free);
  return utf8.get();
}

/// An in-memory clipboard: text, or something else (text() empty).
class FakeClipboard : public Clipboard {
 public:
  bool has_text() const override { return text_.has_value(); }
  const std::optional<std::string>& text() const { return text_; }
  void set_text(std::string text) { text_ = std::move(text); }
  void hold_other() { text_.reset(); }

 private:
  std::optional<std::string> text_;
};

/// A text control in memory with an unbounded undo stack, like the source
/// pane, counting the
/// characters that reads return so that tests can see what a search reads.
class FakeTextTarget : public TextTarget {
 public:
  explicit FakeTextTarget(FakeClipboard& clipboard, std::string_view text = {}) : clipboard_(clipboard) {
    set_text(text);
  }

  // Setting the whole text from the program: caret at the start, no undo.
  void set_text(std::string_view text) {
    text_ = to_u32(text);
    start_ = length_ = 0;
    undo_.clear();
  }
  std::string text() const { return to_utf8(text_); }
  void set_read_only(bool read_only) { read_only_ = read_only; }

  // The user typing over the selection: undoable.
  void type(std::string_view text) {
    remember();
    put(to_u32(text));
  }

  std::size_t characters_read() const { return characters_read_; }
  std::size_t reads() const { return reads_; }
  void reset_read_counts() { characters_read_ = reads_ = 0; }

  std::size_t length() const override { return text_.size(); }
  std::string read(std::size_t start, std::size_t count) const override {
    characters_read_ += count;
    ++reads_;
    return to_utf8(std::u32string_view(text_).substr(start, count));
  }
  std::size_t selection_start() const override { return start_; }
  std::size_t selection_length() const override { return length_; }
  void set_selection(std::size_t start, std::size_t length) override {
    start_ = start;
    length_ = length;
  }
  // As in the source pane: each replacement is an undo step.
  void replace_selection(std::string_view text) override {
    remember();
    put(to_u32(text));
  }
  void replace_text(const std::string& text) override {
    remember();
    text_ = to_u32(text);
    start_ = std::min(start_, text_.size());
    length_ = 0;
  }
  bool read_only() const override { return read_only_; }
  bool can_undo() const override { return !undo_.empty(); }
  void undo() override {
    const State state = undo_.back();
    undo_.pop_back();
    text_ = state.text;
    start_ = state.start;
    length_ = state.length;
  }
  void copy_selection() override { clipboard_.set_text(to_utf8(selection())); }
  void cut_selection() override {
    copy_selection();
    remember();
    put({});
  }
  void paste() override {
    remember();
    put(to_u32(clipboard_.text().value_or("")));
  }

 private:
  struct State {
    std::u32string text;
    std::size_t start;
    std::size_t length;
  };

  std::u32string_view selection() const { return std::u32string_view(text_).substr(start_, length_); }
  void remember() { undo_.push_back({text_, start_, length_}); }
  void put(const std::u32string& chars) {
    text_.replace(start_, length_, chars);
    start_ += chars.size();
    length_ = 0;
  }

  FakeClipboard& clipboard_;
  std::u32string text_;
  std::size_t start_ = 0;
  std::size_t length_ = 0;
  bool read_only_ = false;
  std::vector<State> undo_;
  mutable std::size_t characters_read_ = 0;
  mutable std::size_t reads_ = 0;
};

}  // namespace tagpad::testing
