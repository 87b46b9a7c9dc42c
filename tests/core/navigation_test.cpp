// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/navigation.h"

#include "core/error.h"
#include "support/fake_browser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tagpad {
namespace {

using testing::FakeBrowser;
using testing::FakePreviewWindow;

class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() { navigation.create_history_list(); }

  void enter(const std::string& address) {
    window.address = address;
    char key = '\r';
    navigation.address_key(key);
    EXPECT_EQ(key, 0);
  }
  // The message of the error `command` throws, or "" when it throws none.
  template <typename Command>
  std::string error_of(Command command) {
    try {
      command();
    } catch (const Error& error) {
      return error.what();
    }
    return "";
  }
  bool back_enabled() { return commands.command(CommandId::ActBack).enabled(); }
  bool back_button_enabled() { return commands.tool_button("ToolButton10").enabled(); }
  bool forward_enabled() { return commands.tool_button("ActForward").enabled(); }

  FakeBrowser browser;
  FakePreviewWindow window;
  CommandTable commands;
  StatusBarModel status_bar;
  Navigation navigation{browser, window, commands, status_bar};
};

TEST_F(NavigationTest, EnterNavigatesAsTypedEmptiesTheSourceAndRecordsTheAddressOnce) {
  window.source = "<p>kept until Enter</p>";
  enter(" example.org ");
  EXPECT_EQ(browser.calls, (std::vector<std::string>{"navigate  example.org "}));
  EXPECT_EQ(window.source, "");
  EXPECT_EQ(window.source_changes, 1);
  ASSERT_EQ(navigation.history_list()->count(), 1);
  EXPECT_FALSE(back_enabled());
  EXPECT_FALSE(back_button_enabled());

  enter("http://a.test/");
  EXPECT_TRUE(back_enabled());
  EXPECT_TRUE(back_button_enabled());
  // The same address in other letter case: navigates again, kept once.
  commands.command(CommandId::ActBack).set_enabled(false);
  enter("HTTP://A.TEST/");
  EXPECT_EQ(browser.calls.back(), "navigate HTTP://A.TEST/");
  EXPECT_EQ(navigation.history_list()->count(), 2);
  EXPECT_FALSE(back_enabled());
  EXPECT_EQ(window.source_changes, 1);  // already empty: no change
}

TEST_F(NavigationTest, OtherKeysPassAndEnterInAnEmptyBarIsSwallowedAlone) {
  char key = 'a';
  navigation.address_key(key);
  EXPECT_EQ(key, 'a');
  window.source = "text";
  enter("");
  EXPECT_TRUE(browser.calls.empty());
  EXPECT_EQ(window.source, "text");
  EXPECT_EQ(navigation.history_list()->count(), 0);
  EXPECT_TRUE(back_enabled());
}

TEST_F(NavigationTest, AFailingNavigateLeavesTheSourceAndTheListAlone) {
  window.source = "text";
  browser.navigate_failure = "Invalid URL";
  EXPECT_EQ(error_of([&] { enter("x"); }), "Invalid URL");
  EXPECT_EQ(window.source, "text");
  EXPECT_EQ(navigation.history_list()->count(), 0);
}

TEST_F(NavigationTest, BackAndForwardStepThroughThreeEntries) {
  for (const char* address : {"E1", "E2", "E3"}) enter(address);
  browser.calls.clear();

  navigation.back();
  EXPECT_EQ(window.address, "E2");
  EXPECT_TRUE(forward_enabled());
  EXPECT_TRUE(back_enabled());
  navigation.back();
  EXPECT_EQ(window.address, "E1");
  EXPECT_FALSE(back_enabled());
  EXPECT_FALSE(back_button_enabled());
  navigation.forward();
  EXPECT_EQ(window.address, "E2");
  EXPECT_TRUE(back_enabled());
  EXPECT_TRUE(forward_enabled());
  navigation.forward();
  EXPECT_EQ(window.address, "E3");
  EXPECT_FALSE(forward_enabled());
  EXPECT_TRUE(back_enabled());
  EXPECT_EQ(browser.calls, (std::vector<std::string>{"go_back", "go_back", "go_forward", "go_forward"}));
}

TEST_F(NavigationTest, AnAddressOutsideTheListFailsAtTheListAccessKeepingEarlierSteps) {
  for (const char* address : {"E1", "E2"}) enter(address);
  browser.calls.clear();
  window.address = "edited";
  EXPECT_EQ(error_of([&] { navigation.back(); }), "List index out of bounds (-2)");
  EXPECT_TRUE(forward_enabled());
  EXPECT_EQ(window.address, "edited");
  EXPECT_TRUE(back_enabled());
  EXPECT_TRUE(browser.calls.empty());

  navigation.forward();
  EXPECT_EQ(window.address, "E1");

  // After New the bar is empty: the same failure.
  window.address = "";
  EXPECT_EQ(error_of([&] { navigation.back(); }), "List index out of bounds (-2)");
}

TEST_F(NavigationTest, EnteringTheFirstAddressAgainThenBackAsksForIndexMinusOne) {
  for (const char* address : {"E1", "E2", "E1"}) enter(address);
  EXPECT_TRUE(back_enabled());
  EXPECT_EQ(error_of([&] { navigation.back(); }), "List index out of bounds (-1)");
  EXPECT_EQ(window.address, "E1");
}

TEST_F(NavigationTest, ForwardFromTheLastEntryFailsAfterSwitchingForwardOff) {
  for (const char* address : {"E1", "E2"}) enter(address);
  commands.tool_button("ActForward").set_enabled(true);
  EXPECT_EQ(error_of([&] { navigation.forward(); }), "List index out of bounds (2)");
  EXPECT_TRUE(forward_enabled());  // only a landing on the last entry switches it off
  EXPECT_EQ(window.address, "E2");
}

TEST_F(NavigationTest, AFailingEngineStepLeavesTheBarMovedAndBackUnchanged) {
  for (const char* address : {"E1", "E2"}) enter(address);
  browser.step_failure = "Unspecified error";
  EXPECT_EQ(error_of([&] { navigation.back(); }), "Unspecified error");
  EXPECT_EQ(window.address, "E1");
  EXPECT_TRUE(back_enabled());  // step 4 skipped
}

TEST_F(NavigationTest, StopEmptiesTheStatusTextEvenWhenNothingLoads) {
  status_bar.set_single_text_mode(true);
  navigation.status_text_change("http://link.test/");
  EXPECT_EQ(status_bar.displayed_text(), "http://link.test/");
  navigation.stop();
  EXPECT_EQ(browser.calls, (std::vector<std::string>{"stop"}));
  EXPECT_EQ(status_bar.displayed_text(), "");
}

TEST_F(NavigationTest, DownloadsSwitchStopAndSetTheCaptionFromTheTitle) {
  status_bar.set_single_text_mode(true);
  // The start-up load: Stop's button stays off through the first download.
  navigation.before_navigate("about:blank");
  EXPECT_EQ(status_bar.displayed_text(), "about:blank");
  navigation.download_begin();
  EXPECT_FALSE(commands.tool_button("ToolButton8").enabled());
  browser.title = "";
  navigation.download_complete();
  EXPECT_FALSE(commands.command(CommandId::ActStop).enabled());
  EXPECT_EQ(status_bar.displayed_text(), "");
  EXPECT_EQ(window.caption, "  Tagpad");

  // From then on the button follows the downloads.
  navigation.download_begin();
  EXPECT_TRUE(commands.tool_button("ToolButton8").enabled());
  browser.title = "Page";
  navigation.download_complete();
  EXPECT_FALSE(commands.tool_button("ToolButton8").enabled());
  EXPECT_EQ(window.caption, "Page  Tagpad");

  browser.has_document = false;
  navigation.download_complete();
  EXPECT_EQ(window.caption, "  Tagpad");
}

TEST_F(NavigationTest, ATitleAnsweredAfterALaterPageCompletedIsNotShown) {
  // While the page answers, the next one loads and shows its own title.
  browser.title = "";
  browser.while_title_is_asked = [&] {
    browser.title = "P1";
    navigation.download_begin();
    navigation.download_complete();
  };
  navigation.download_complete();
  EXPECT_EQ(window.caption, "P1  Tagpad");
  EXPECT_FALSE(commands.command(CommandId::ActStop).enabled());
  EXPECT_EQ(browser.calls, (std::vector<std::string>{"title", "title"}));
}

TEST_F(NavigationTest, EventsBeforeTheListExistsWorkAndCommandsReportIt) {
  Navigation early{browser, window, commands, status_bar};
  early.download_begin();
  early.download_complete();
  EXPECT_EQ(window.caption, "  Tagpad");
  EXPECT_EQ(error_of([&] { early.back(); }), "The address history was not created");
}

}  // namespace
}  // namespace tagpad
