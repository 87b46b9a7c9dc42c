// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/tooltip_controller.h"

#include "core/command_table.h"
#include "core/timer_service.h"
#include "support/fake_timers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using tagpad::CommandTable;
using tagpad::TimerService;
using tagpad::TooltipController;
using tagpad::testing::FakeTimers;

namespace {

class FakeView : public TooltipController::View {
 public:
  explicit FakeView(const FakeTimers& clock) : clock_(clock) {}
  void show_tooltip(const std::string& text, int x, int y) override {
    log.push_back(std::to_string(clock_.now()) + " show " + text + " at " + std::to_string(x) + "," +
                  std::to_string(y));
  }
  void hide_tooltip() override { log.push_back(std::to_string(clock_.now()) + " hide"); }

  std::vector<std::string> log;

 private:
  const FakeTimers& clock_;
};

struct Toolbar {
  const tagpad::BoundControl* button(const char* name) { return &table.tool_button(name); }
  const tagpad::BoundControl* separator() { return table.tool_bar().buttons()[2].get(); }

  CommandTable table;
  FakeTimers clock;
  FakeView view{clock};
  TooltipController tooltips{clock, view};
};

using Log = std::vector<std::string>;

}  // namespace

TEST(TooltipController, ShowsAfterRestingAndHidesAfterItsTime) {
  Toolbar bar;
  bar.tooltips.pointer_moved(bar.button("ToolButton10"), 10, 20);  // disabled
  bar.clock.advance(499);
  EXPECT_TRUE(bar.view.log.empty());
  bar.clock.advance(1);
  EXPECT_EQ(bar.view.log, Log{"500 show 이전 at 10,20"});
  bar.tooltips.pointer_moved(bar.button("ToolButton10"), 12, 21);  // stays put
  bar.clock.advance(2499);
  EXPECT_EQ(bar.view.log.size(), 1u);
  bar.clock.advance(1);
  EXPECT_EQ(bar.view.log.back(), "3000 hide");
  // Resting on after it went away shows nothing more.
  bar.tooltips.pointer_moved(bar.button("ToolButton10"), 13, 21);
  bar.clock.advance(10000);
  EXPECT_EQ(bar.view.log.size(), 2u);
  EXPECT_EQ(bar.clock.pending(), 0u);
}

TEST(TooltipController, MotionBeforeTheTipShowsRestartsTheDelay) {
  Toolbar bar;
  bar.tooltips.pointer_moved(bar.button("ToolButton1"), 0, 0);
  bar.clock.advance(300);
  bar.tooltips.pointer_moved(bar.button("ToolButton1"), 5, 0);
  bar.clock.advance(499);
  EXPECT_TRUE(bar.view.log.empty());
  bar.clock.advance(1);
  EXPECT_EQ(bar.view.log, Log{"800 show 새작업 at 5,0"});
  // Moving on to another button before resting long enough starts afresh.
  Toolbar other;
  other.tooltips.pointer_moved(other.button("ToolButton1"), 0, 0);
  other.clock.advance(400);
  other.tooltips.pointer_moved(other.button("ToolButton2"), 40, 0);
  other.clock.advance(400);
  EXPECT_TRUE(other.view.log.empty());
  other.clock.advance(100);
  EXPECT_EQ(other.view.log, Log{"900 show 실행 at 40,0"});
}

TEST(TooltipController, NextButtonShowsAtOnceWhileATipShows) {
  Toolbar bar;
  bar.tooltips.pointer_moved(bar.button("ToolButton3"), 0, 0);
  bar.clock.advance(600);
  bar.tooltips.pointer_moved(bar.button("ToolButton4"), 40, 0);
  EXPECT_EQ(bar.view.log, (Log{"500 show 열기 at 0,0", "600 hide"}));
  bar.clock.advance(0);
  EXPECT_EQ(bar.view.log.back(), "600 show 저장 at 40,0");
  bar.clock.advance(2499);
  EXPECT_EQ(bar.view.log.size(), 3u);  // the new tip has its own full time
  bar.clock.advance(1);
  EXPECT_EQ(bar.view.log.back(), "3100 hide");

  // After a tip has gone away, the next button waits the full delay again.
  bar.tooltips.pointer_moved(bar.button("ToolButton10"), 80, 0);
  bar.clock.advance(0);
  EXPECT_EQ(bar.view.log.size(), 4u);
  bar.clock.advance(500);
  EXPECT_EQ(bar.view.log.back(), "3600 show 이전 at 80,0");
}

TEST(TooltipController, MotionInsideTheNextButtonKeepsItsTipComingAtOnce) {
  Toolbar bar;
  bar.tooltips.pointer_moved(bar.button("ToolButton3"), 0, 0);
  bar.clock.advance(500);
  // Moves that reach the program together, before the next tip is due.
  bar.tooltips.pointer_moved(bar.button("ToolButton4"), 40, 0);
  bar.tooltips.pointer_moved(bar.button("ToolButton4"), 42, 1);
  bar.clock.advance(0);
  EXPECT_EQ(bar.view.log, (Log{"500 show 열기 at 0,0", "500 hide", "500 show 저장 at 42,1"}));
  // Moves 10 to 30 ms apart, as a hand makes them, leave it where it is.
  for (int x = 44; x < 60; x += 4) {
    bar.tooltips.pointer_moved(bar.button("ToolButton4"), x, 1);
    bar.clock.advance(20);
  }
  EXPECT_EQ(bar.view.log.size(), 3u);
}

TEST(TooltipController, SeparatorsShowNoneAndEndTheTip) {
  Toolbar bar;
  bar.tooltips.pointer_moved(bar.separator(), 0, 0);
  bar.clock.advance(5000);
  EXPECT_TRUE(bar.view.log.empty());

  bar.tooltips.pointer_moved(bar.button("ToolButton2"), 10, 0);
  bar.clock.advance(500);
  bar.tooltips.pointer_moved(bar.separator(), 20, 0);
  EXPECT_EQ(bar.view.log.back(), "5500 hide");
  bar.tooltips.pointer_moved(bar.button("ToolButton3"), 30, 0);
  bar.clock.advance(499);
  EXPECT_EQ(bar.view.log.size(), 2u);
  bar.clock.advance(1);
  EXPECT_EQ(bar.view.log.back(), "6000 show 열기 at 30,0");
}

TEST(TooltipController, LeavingClickingOrTypingHidesTheTip) {
  Toolbar bar;
  bar.tooltips.pointer_moved(bar.button("ToolButton13"), 0, 0);
  bar.clock.advance(500);
  bar.tooltips.pointer_left();
  EXPECT_EQ(bar.view.log, (Log{"500 show HTML 소스보기 at 0,0", "500 hide"}));
  EXPECT_EQ(bar.clock.pending(), 0u);

  // Leaving before the delay cancels the tip.
  bar.tooltips.pointer_moved(bar.button("ToolButton13"), 0, 0);
  bar.clock.advance(200);
  bar.tooltips.pointer_moved(nullptr, 0, 50);
  bar.clock.advance(1000);
  EXPECT_EQ(bar.view.log.size(), 2u);

  // A click hides it, and it does not come back until another control.
  bar.tooltips.pointer_moved(bar.button("ToolButton5"), 0, 0);
  bar.clock.advance(500);
  bar.tooltips.dismiss();
  EXPECT_EQ(bar.view.log.back(), "2200 hide");
  bar.tooltips.pointer_moved(bar.button("ToolButton5"), 1, 0);
  bar.clock.advance(1000);
  EXPECT_EQ(bar.view.log.size(), 4u);
  bar.tooltips.pointer_moved(bar.button("ToolButton9"), 40, 0);
  bar.clock.advance(500);
  EXPECT_EQ(bar.view.log.back(), "3700 show 프로그램정보 at 40,0");

  // A key press while waiting stops the tip from opening at all.
  bar.tooltips.pointer_left();
  bar.tooltips.pointer_moved(bar.button("ToolButton1"), 0, 0);
  bar.clock.advance(100);
  bar.tooltips.dismiss();
  bar.clock.advance(1000);
  EXPECT_EQ(bar.view.log.back(), "3700 hide");
  EXPECT_EQ(bar.clock.pending(), 0u);
}
