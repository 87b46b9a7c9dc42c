// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/browser.h"
#include "core/error.h"
#include "core/preview_window.h"
#include "core/string_snapshot.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tagpad::testing {

/// An engine in memory: records every call in order, and lets a test act
/// inside a wait (fire events, start a nested command) before the page it
/// waits for becomes ready.
class FakeBrowser : public Browser {
 public:
  void navigate(const std::string& url) override {
    calls.push_back("navigate " + url);
    fail_if_set(navigate_failure);
    state = 1;
  }
  void go_back() override {
    calls.push_back("go_back");
    fail_if_set(step_failure);
  }
  void go_forward() override {
    calls.push_back("go_forward");
    fail_if_set(step_failure);
  }
  void stop() override { calls.push_back("stop"); }
  int ready_state() const override { return state; }
  void wait_for_events() override {
    calls.push_back("wait");
    if (inside_waits.empty()) {
      state = 3;
      return;
    }
    auto step = std::move(inside_waits.front());
    inside_waits.pop_front();
    step();
  }
  std::unique_ptr<BrowserDocument> document() override {
    if (!has_document) return nullptr;
    return std::make_unique<Document>(*this);
  }

  std::vector<std::string> calls;
  int state = 0;
  bool has_document = true;
  /// What the document's members answer.
  std::string title;
  std::string inner_html;
  /// Thrown by the document's members when set.
  std::optional<std::string> document_failure;
  std::optional<std::string> navigate_failure;
  std::optional<std::string> step_failure;
  /// Each wait runs the next of these; with none left the page is ready.
  std::deque<std::function<void()>> inside_waits;
  /// Runs once while the next title is asked for, as events that come in
  /// while the page answers.
  std::function<void()> while_title_is_asked;

 private:
  class Document : public BrowserDocument {
   public:
    explicit Document(FakeBrowser& browser) : browser_(browser) {}
    std::string title() override {
      // The page answers with the title it had when asked.
      const std::string asked = browser_.title;
      if (auto meanwhile = std::exchange(browser_.while_title_is_asked, nullptr)) meanwhile();
      return answer("title", asked);
    }
    void write(std::unique_ptr<TextSnapshot> text) override { answer("write " + read_rest(*text), {}); }
    std::string inner_html() override { return answer("inner_html", browser_.inner_html); }
    void load(std::string bytes) override { answer("load " + bytes, {}); }

   private:
    std::string answer(const std::string& call, const std::string& value) {
      browser_.calls.push_back(call);
      browser_.fail_if_set(browser_.document_failure);
      return value;
    }
    FakeBrowser& browser_;
  };

  static void fail_if_set(const std::optional<std::string>& failure) {
    if (failure) throw Error(*failure);
  }
};

/// The window's source pane, address bar and caption in memory, counting
/// the source pane's change notifications.
class FakePreviewWindow : public PreviewWindow {
 public:
  std::string source_text() const override { return source; }
  std::unique_ptr<TextSnapshot> source_snapshot() const override { return std::make_unique<StringSnapshot>(source); }
  void set_source_text(const std::string& text) override {
    if (text == source) return;
    source = text;
    ++source_changes;
  }
  std::string address_text() const override { return address; }
  void set_address_text(const std::string& text) override { address = text; }
  void set_caption(const std::string& text) override { caption = text; }

  std::string source;
  std::string address;
  std::string caption = "Tagpad";
  int source_changes = 0;
};

}  // namespace tagpad::testing
