// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/preview_commands.h"

#include "core/error.h"
#include "core/preview_loader.h"
#include "support/fake_browser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tagpad {
namespace {

using testing::FakeBrowser;
using testing::FakePreviewWindow;
using Calls = std::vector<std::string>;

class PreviewCommandsTest : public ::testing::Test {
 protected:
  std::string error_of(void (PreviewCommands::*command)()) {
    try {
      (preview.*command)();
    } catch (const Error& error) {
      return error.what();
    }
    return "";
  }

  FakeBrowser browser;
  FakePreviewWindow window;
  CommandTable commands;
  StatusBarModel status_bar;
  CodePage code_page = CodePage::named("UTF-8");
  Navigation navigation{browser, window, commands, status_bar};
  PreviewCommands preview{browser, window, navigation, code_page};
};

TEST_F(PreviewCommandsTest, LoaderWaitsForTheBlankPageThenLoadsTheStream) {
  browser.inside_waits.push_back([] {});
  LoadHtmlIntoBrowser(browser, "abc");
  EXPECT_EQ(browser.calls, (Calls{"navigate about:blank", "wait", "wait", "load abc\r\n"}));

  browser.calls.clear();
  browser.has_document = false;
  LoadHtmlIntoBrowser(browser, "abc");
  EXPECT_EQ(browser.calls, (Calls{"navigate about:blank", "wait"}));
}

TEST_F(PreviewCommandsTest, RunWritesTheSourceIntoABlankDocumentThenNamesItsTitle) {
  window.source = "<title>Hello</title>\n<p>x</p>";
  browser.title = "Hello";
  preview.run();
  EXPECT_EQ(browser.calls,
            (Calls{"navigate about:blank", "wait", "load ", "write <title>Hello</title>\n<p>x</p>", "title"}));
  EXPECT_EQ(window.caption, "Hello  Tagpad");
  EXPECT_EQ(window.source, "<title>Hello</title>\n<p>x</p>");
}

TEST_F(PreviewCommandsTest, RunWithoutADocumentWritesNothing) {
  browser.has_document = false;
  preview.run();
  EXPECT_EQ(browser.calls, (Calls{"navigate about:blank", "wait"}));
  EXPECT_EQ(window.caption, "Tagpad");
}

TEST_F(PreviewCommandsTest, ARunStartedInsideTheWaitFinishesBeforeTheOuterOne) {
  window.source = "outer";
  browser.inside_waits.push_back([&] {
    window.source = "inner";
    preview.run();
    window.source = "outer again";
  });
  preview.run();
  EXPECT_EQ(browser.calls, (Calls{"navigate about:blank", "wait",                                   // outer
                                  "navigate about:blank", "wait", "load ", "write inner", "title",  // nested
                                  "load ", "write outer again", "title"}));
}

TEST_F(PreviewCommandsTest, NewEmptiesTheSourceAndTheAddressAndLoadsAnEmptyDocument) {
  window.source = "<p>old</p>";
  window.address = "http://a.test/";
  commands.tool_button("ActForward").set_enabled(true);
  preview.new_document();
  EXPECT_EQ(window.source, "");
  EXPECT_EQ(window.address, "");
  EXPECT_EQ(browser.calls, (Calls{"navigate about:blank", "wait", "load "}));
  EXPECT_TRUE(commands.tool_button("ActForward").enabled());
}

TEST_F(PreviewCommandsTest, StartUpLoadsTheSourceAsCodePageBytes) {
  CodePage korean = CodePage::named("CP949");
  PreviewCommands start{browser, window, navigation, korean};
  window.source = "\xED\x95\x9C";  // 한
  start.show_source_text();
  EXPECT_EQ(browser.calls.back(), "load \xC7\xD1\r\n");
}

TEST_F(PreviewCommandsTest, SourceViewReplacesTheTextOnlyOnceTheHtmlIsInHand) {
  window.source = "mine";
  browser.inner_html = "<head></head><body>page</body>";
  preview.view_document_source();
  EXPECT_EQ(window.source, "<head></head><body>page</body>\n");
  EXPECT_EQ(window.source_changes, 1);
  preview.view_document_source();
  EXPECT_EQ(window.source, "<head></head><body>page</body>\n");

  window.source = "mine";
  browser.document_failure = "The HTML engine stopped: not responding";
  EXPECT_EQ(error_of(&PreviewCommands::view_document_source), "The HTML engine stopped: not responding");
  EXPECT_EQ(window.source, "mine");

  browser.has_document = false;
  EXPECT_EQ(error_of(&PreviewCommands::view_document_source), "The HTML engine shows no document");
  EXPECT_EQ(window.source, "mine");
}

}  // namespace
}  // namespace tagpad
