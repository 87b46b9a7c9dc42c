// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/status_bar_model.h"

#include "core/application_hint.h"
#include "core/command_table.h"

#include <gtest/gtest.h>

#include <string>

using tagpad::ApplicationHint;
using tagpad::BoundControl;
using tagpad::CommandTable;
using tagpad::StatusBarModel;

namespace {

// The main window's hint wiring: ShowHint on the application hint, the
// source pane's MemoChange and the browser's writers on the bar.
struct Window {
  Window() {
    hint.set_on_changed([this] { ShowHint(); });
    bar.set_on_changed([this] { ++redraws; });
  }
  void ShowHint() {
    ++show_hints;
    bar.show_hint(hint.text());
  }
  void MemoChange(int lines) {
    bar.set_single_text_mode(true);
    bar.set_single_text(std::to_string(lines) + " 줄");
  }
  void point_at(const char* button) { hint.set_from_control(&table.tool_button(button)); }
  void point_at_nothing() { hint.set_from_control(nullptr); }
  void highlight(const char* item) { hint.set_from_control(&table.menu_item(item)); }
  std::string shown() const { return std::string(bar.displayed_text()); }

  CommandTable table;
  ApplicationHint hint;
  StatusBarModel bar;
  int show_hints = 0;
  int redraws = 0;
};

}  // namespace

TEST(StatusBarModel, SingleTextIsKeptWhileSectionedAndNeverSwitchesTheMode) {
  StatusBarModel bar;
  int redraws = 0;
  bar.set_on_changed([&redraws] { ++redraws; });
  EXPECT_FALSE(bar.single_text_mode());
  EXPECT_EQ(bar.single_text(), "");
  EXPECT_EQ(bar.displayed_text(), "");

  bar.set_single_text("http://example.com/");
  EXPECT_FALSE(bar.single_text_mode());
  EXPECT_EQ(bar.displayed_text(), "");
  EXPECT_EQ(redraws, 0);  // nothing visible changed

  bar.set_single_text_mode(true);
  EXPECT_EQ(bar.displayed_text(), "http://example.com/");
  bar.set_single_text("");
  EXPECT_TRUE(bar.single_text_mode());
  EXPECT_EQ(bar.displayed_text(), "");
  EXPECT_EQ(redraws, 2);
  bar.set_single_text("");
  bar.set_single_text_mode(true);
  EXPECT_EQ(redraws, 2);

  bar.show_hint("실행");
  EXPECT_EQ(bar.displayed_text(), "실행");
  bar.show_hint("");
  EXPECT_FALSE(bar.single_text_mode());
  EXPECT_EQ(bar.single_text(), "실행");
}

TEST(StatusBarHint, TypingThenPointingAtAButtonAndBackLeavesTheBarBlank) {
  Window window;
  EXPECT_EQ(window.shown(), "");
  window.MemoChange(3);
  EXPECT_EQ(window.shown(), "3 줄");
  window.point_at_nothing();  // resting on the pane: hint stays empty, no ShowHint
  EXPECT_EQ(window.show_hints, 0);
  EXPECT_EQ(window.shown(), "3 줄");

  window.point_at("ToolButton10");  // disabled, still shows its hint
  EXPECT_EQ(window.shown(), "이전");
  window.point_at_nothing();
  EXPECT_FALSE(window.bar.single_text_mode());
  EXPECT_EQ(window.shown(), "");
  EXPECT_EQ(window.bar.single_text(), "이전");

  window.point_at("ToolButton5");
  EXPECT_EQ(window.shown(), "끝내기");
  window.hint.set_from_control(window.table.tool_bar().buttons()[2].get());  // a separator
  EXPECT_EQ(window.shown(), "");
}

TEST(StatusBarHint, BrowserTextIsStoredButHiddenWhileTheBarIsBlank) {
  Window window;
  window.bar.set_single_text("http://example.com/");  // BeforeNavigate2
  EXPECT_EQ(window.shown(), "");
  window.MemoChange(1);
  EXPECT_EQ(window.shown(), "1 줄");
  window.bar.set_single_text("http://example.com/a.html");  // StatusTextChange
  EXPECT_EQ(window.shown(), "http://example.com/a.html");

  // Resting on the same button again does not bring its hint back over the
  // browser's text: the application hint did not change.
  window.point_at("ToolButton1");
  window.bar.set_single_text("");  // DownloadComplete
  window.bar.set_single_text("link");
  window.point_at("ToolButton1");
  EXPECT_EQ(window.shown(), "link");
  EXPECT_EQ(window.show_hints, 1);

  // ActStopExecute empties the text and keeps the mode.
  window.bar.set_single_text("");
  EXPECT_TRUE(window.bar.single_text_mode());
  EXPECT_EQ(window.shown(), "");
}

TEST(StatusBarHint, MenuHighlightShowsTheLongHintOfTheItem) {
  Window window;
  window.highlight("N1");
  EXPECT_EQ(window.shown(), "");
  window.highlight("N16");
  EXPECT_EQ(window.shown(), "인쇄");
  window.highlight("N23");
  EXPECT_FALSE(window.bar.single_text_mode());
  EXPECT_EQ(window.shown(), "");
  window.highlight("N20");
  EXPECT_EQ(window.shown(), "폰트사이즈 변경");
  window.highlight("N15");
  EXPECT_EQ(window.shown(), "Reverts the last action");
  window.highlight("N8");
  EXPECT_EQ(window.shown(), "끝내기");
  window.highlight("N14");
  EXPECT_EQ(window.shown(), "프로그램 정보");
  window.hint.set("");  // the menu closes
  EXPECT_EQ(window.shown(), "");
  EXPECT_EQ(window.show_hints, 7);
}
