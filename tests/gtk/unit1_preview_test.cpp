// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/error.h"
#include "core/preview_loader.h"
#include "form_fixture.h"
#include "gtk/deliver.h"

#include <gtkmm/textview.h>

#include <string>
#include <utility>
#include <vector>

namespace tagpad {
namespace {

constexpr const char* EmptyDocument = "<head></head><body></body>";

TEST_F(FormTest, StartsWithAnEmptyDocumentAndItsCaption) {
  EXPECT_EQ(preview_html(), EmptyDocument);
  EXPECT_EQ(form->get_title(), "  Tagpad");
  EXPECT_EQ(parts->OD.settings.initial_dir, "/opt/tagpad/");
  EXPECT_EQ(parts->SD.settings.initial_dir, "/opt/tagpad/");
  ASSERT_TRUE(parts->navigation.history_list());
  EXPECT_EQ(parts->navigation.history_list()->count(), 0);
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(FormTest, RunRendersTheSourceAndNewEmptiesEverything) {
  parts->Memo.set_text("<title>T</title><b>x</b>");
  parts->Edit1.set_text("example.org");
  form->Action5Execute();
  EXPECT_NE(preview_html().find("<b>x</b>"), std::string::npos);
  EXPECT_EQ(form->get_title(), "T  Tagpad");

  form->Action1Execute();
  EXPECT_EQ(parts->Memo.text(), "");
  EXPECT_EQ(parts->Edit1.get_text(), "");
  EXPECT_EQ(preview_html(), EmptyDocument);
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(FormTest, RunStartedInsideAWaitFinishesFirst) {
  parts->Memo.set_text("<i>inner</i>");
  int nested_runs = 0;
  sigc::connection once = parts->WebBrowser.signal_download_begin().connect([&] {
    if (nested_runs++ == 0) {
      form->Action5Execute();
      EXPECT_NE(preview_html().find("<i>inner</i>"), std::string::npos);
      parts->Memo.set_text("<u>outer</u>");
    }
  });
  form->Action5Execute();
  once.disconnect();
  EXPECT_GE(nested_runs, 1);
  EXPECT_NE(preview_html().find("<u>outer</u>"), std::string::npos);
}

TEST_F(FormTest, RunShowsTheTextAsItWasWhenRunEvenIfItIsEditedWhileTheEngineReadsIt) {
  std::string text = "<p id=\"first\">first</p>\n";
  while (text.size() < 2 * 1024 * 1024) text += "<p>filler paragraph, 가나다</p>\n";
  text += "<p id=\"last\">last</p>";
  parts->Memo.set_text(text);
  // The edit lands as the document's own load begins, after those of the
  // blank page and its empty text, while the engine reads it.
  int loads = 0;
  sigc::connection edit = parts->WebBrowser.signal_download_begin().connect([&] {
    if (++loads == 3) parts->Memo.set_text("<p>edited</p>");
  });
  form->Action5Execute();
  edit.disconnect();
  ASSERT_EQ(loads, 3);
  EXPECT_EQ(parts->Memo.text(), "<p>edited</p>");
  const std::string shown = preview_html();
  EXPECT_NE(shown.find("<p id=\"first\">first</p>"), std::string::npos);
  EXPECT_NE(shown.find("<p id=\"last\">last</p>"), std::string::npos);
  EXPECT_EQ(shown.find("edited"), std::string::npos);
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(FormTest, AKilledEngineEndsTheWaitWithOneReportAndTheNextRunWorks) {
  bool killed = false;
  sigc::connection kill = parts->WebBrowser.signal_download_begin().connect([&] {
    if (!std::exchange(killed, true)) parts->WebBrowser.terminate_engine();
  });
  parts->Memo.set_text("<p>kept</p>");
  // Any wait may meet the death first (a caption's title read, the Run's
  // own); the incident reaches the error display once either way.
  deliver([&] { form->Action5Execute(); });
  kill.disconnect();
  EXPECT_TRUE(killed);
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"The HTML engine stopped: terminated."});
  EXPECT_EQ(parts->Memo.text(), "<p>kept</p>");

  parts->Memo.set_text("<p>again</p>");
  form->Action5Execute();
  EXPECT_NE(preview_html().find("<p>again</p>"), std::string::npos);
  EXPECT_EQ(boxes.errors.size(), 1u);
}

TEST_F(FormTest, ASupersededLoadDoesNotEndTheNewerWait) {
  parts->WebBrowser.navigate("data:text/html,<p>old</p>");
  LoadHtmlIntoBrowser(parts->WebBrowser, "<p>new</p>");
  EXPECT_GE(parts->WebBrowser.ready_state(), 3);
  EXPECT_EQ(preview_html(), "<head></head><body><p>new</p>\n</body>");
}

TEST_F(FormTest, AnErrorEscapingAHandlerReachesTheErrorDisplay) {
  auto failing = parts->Edit1.signal_changed().connect([] { throw Error("Something went wrong"); });
  parts->Edit1.set_text("x");
  failing.disconnect();
  auto aborting = parts->Edit1.signal_changed().connect([] { throw Abort(); });
  parts->Edit1.set_text("y");
  aborting.disconnect();
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0], "Something went wrong.");
}

TEST_F(FormTest, SplitterKeepsTheEditorAndSnapsThePreviewShut) {
  ASSERT_TRUE(iterate_until([&] { return parts->Panel2.get_allocated_height() > 1; }));
  const int available = parts->Panel2.get_allocated_height() + parts->Splitter1.preview_height();
  EXPECT_EQ(parts->Splitter1.resize_preview(100000), available - 10);
  EXPECT_EQ(parts->Splitter1.resize_preview(11), 11);
  EXPECT_EQ(parts->Splitter1.resize_preview(10), 0);
  EXPECT_FALSE(parts->Panel1.get_visible());
  ASSERT_TRUE(settle());
  EXPECT_EQ(parts->Splitter1.resize_preview(200), 200);
  EXPECT_TRUE(parts->Panel1.get_visible());
}

class KoreanFormTest : public FormTest {
 protected:
  KoreanFormTest() : FormTest("CP949") {}
};

TEST_F(KoreanFormTest, CodePageBytesReachTheEngineAsKorean) {
  parts->Memo.set_text("<p>한글</p>");
  LoadHtmlIntoBrowser(parts->WebBrowser, code_page_.from_utf8(parts->Memo.text()));
  EXPECT_NE(preview_html().find("<p>한글</p>"), std::string::npos);
}

}  // namespace
}  // namespace tagpad
