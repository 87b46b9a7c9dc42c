// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/tooltip_window.h"
#include "gtk/glib_timer_service.h"
#include "gtk/toolkit_setup.h"
#include "support/main_loop.h"

#include <gdkmm/display.h>
#include <gdkmm/monitor.h>
#include <gdkmm/window.h>
#include <glib.h>
#include <gtest/gtest.h>

namespace tagpad {
namespace {

// A timer started after the others and due no earlier: once it has fired,
// every earlier timer that was going to fire has had its turn.
[[nodiscard]] bool later_timer_fires(TimerService& timers, unsigned delay) {
  bool fired = false;
  timers.start(delay, [&] { fired = true; });
  return iterate_until([&] { return fired; });
}

class TooltipTest : public testing::Test {
 protected:
  void SetUp() override { prepare_toolkit(); }
};

TEST_F(TooltipTest, TimerFiresOnceThroughTheMainLoop) {
  GlibTimerService timers;
  int fired = 0;
  const TimerService::Id id = timers.start(10, [&] { ++fired; });
  EXPECT_NE(id, 0u);
  EXPECT_EQ(fired, 0);
  ASSERT_TRUE(iterate_until([&] { return fired > 0; }));
  ASSERT_TRUE(later_timer_fires(timers, 20));
  EXPECT_EQ(fired, 1);
  // Cancelling a timer that has fired is harmless.
  timers.cancel(id);
  ASSERT_TRUE(later_timer_fires(timers, 0));
  EXPECT_EQ(fired, 1);
}

TEST_F(TooltipTest, ZeroDelayWaitsForTheMainLoop) {
  GlibTimerService timers;
  int fired = 0;
  timers.start(0, [&] { ++fired; });
  EXPECT_EQ(fired, 0);
  ASSERT_TRUE(iterate_until([&] { return fired > 0; }));
  ASSERT_TRUE(later_timer_fires(timers, 0));
  EXPECT_EQ(fired, 1);
}

TEST_F(TooltipTest, CancelBeforeFiringPreventsIt) {
  GlibTimerService timers;
  int fired = 0;
  const TimerService::Id first = timers.start(10, [&] { ++fired; });
  const TimerService::Id second = timers.start(10, [&] { fired += 10; });
  EXPECT_NE(first, second);
  timers.cancel(first);
  ASSERT_TRUE(later_timer_fires(timers, 10));
  EXPECT_EQ(fired, 10);
}

TEST_F(TooltipTest, DestroyingTheServiceStopsItsTimers) {
  int fired = 0;
  {
    GlibTimerService timers;
    timers.start(10, [&] { ++fired; });
  }
  GlibTimerService later;
  ASSERT_TRUE(later_timer_fires(later, 10));
  EXPECT_EQ(fired, 0);
}

TEST_F(TooltipTest, WindowShowsTheTextBelowThePoint) {
  TooltipWindow tooltip;
  EXPECT_EQ(tooltip.get_type_hint(), Gdk::WINDOW_TYPE_HINT_TOOLTIP);
  EXPECT_FALSE(tooltip.get_accept_focus());
  EXPECT_TRUE(tooltip.get_style_context()->has_class("tooltip"));

  tooltip.show_tooltip("Bold (Ctrl+B)", 100, 120);
  ASSERT_TRUE(iterate_until([&] { return tooltip.get_mapped(); }));
  EXPECT_EQ(tooltip.label().get_text(), "Bold (Ctrl+B)");
  int x = 0, y = 0;
  tooltip.get_window()->get_origin(x, y);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 120 + TooltipWindow::PointerGap);
  EXPECT_FALSE(tooltip.has_toplevel_focus());

  tooltip.hide_tooltip();
  ASSERT_TRUE(iterate_until([&] { return !tooltip.get_mapped(); }));
  EXPECT_FALSE(tooltip.get_visible());
}

TEST_F(TooltipTest, WindowStaysOnTheMonitor) {
  TooltipWindow tooltip;
  auto area = Gdk::Rectangle();
  tooltip.get_display()->get_monitor_at_point(0, 0)->get_workarea(area);
  const int right = area.get_x() + area.get_width();
  const int bottom = area.get_y() + area.get_height();

  tooltip.show_tooltip("Insert a table", right - 2, bottom - 2);
  ASSERT_TRUE(iterate_until([&] { return tooltip.get_mapped(); }));
  int x = 0, y = 0;
  tooltip.get_window()->get_origin(x, y);
  EXPECT_LE(x + tooltip.get_allocated_width(), right);
  EXPECT_LE(y + tooltip.get_allocated_height(), bottom - 2);
  EXPECT_GE(x, area.get_x());
  EXPECT_GE(y, area.get_y());
}

}  // namespace
}  // namespace tagpad
