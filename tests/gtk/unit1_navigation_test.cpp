// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/error.h"
#include "form_fixture.h"
#include "gtk/deliver.h"
#include "support/key_press.h"

#include <glib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace tagpad {
namespace {

/// The main window with three titled pages in a folder of its own.
class NavigationFormTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    folder_ = std::filesystem::temp_directory_path() / ("tagpad-navigation-" + std::to_string(g_random_int()));
    std::filesystem::create_directories(folder_);
    for (const char* name : {"P1", "P2", "P3"})
      std::ofstream(folder_ / (std::string(name) + ".html"))
          << "<title>" << name << "</title><p>page " << name << "</p>";
  }
  void TearDown() override {
    form.reset();
    std::filesystem::remove_all(folder_);
  }

  std::string page(const char* name) { return "file://" + (folder_ / name).string() + ".html"; }

  // Types the address and Enter into the address bar; returns whether the
  // key was swallowed.
  bool enter(const std::string& address) {
    parts->Edit1.set_text(address);
    return press(parts->Edit1, GDK_KEY_Return, GdkModifierType(0));
  }

  // Whether the engine came to rest on the page titled `title`.
  [[nodiscard]] bool shows(const std::string& title) {
    return iterate_until([&] {
      return form->get_title() == title + "  Tagpad" && !parts->commands.command(CommandId::ActStop).enabled();
    });
  }

  bool back_enabled() { return parts->commands.tool_button("ToolButton10").enabled(); }
  bool forward_enabled() { return parts->commands.tool_button("ActForward").enabled(); }

  std::filesystem::path folder_;
};

TEST_F(NavigationFormTest, AddressesStepThroughTheEnginesOwnHistory) {
  parts->Memo.set_text("<p>typed</p>");
  EXPECT_TRUE(enter(page("P1")));
  ASSERT_TRUE(shows("P1"));
  EXPECT_EQ(parts->Memo.text(), "");
  EXPECT_FALSE(back_enabled());
  // A local path without a scheme loads too; the bar keeps what was typed.
  EXPECT_TRUE(enter((folder_ / "P2.html").string()));
  ASSERT_TRUE(shows("P2"));
  EXPECT_TRUE(back_enabled());
  EXPECT_TRUE(enter(page("P3")));
  ASSERT_TRUE(shows("P3"));
  EXPECT_EQ(parts->navigation.history_list()->count(), 3);

  form->ActBackExecute();
  EXPECT_EQ(parts->Edit1.get_text(), (folder_ / "P2.html").string());
  ASSERT_TRUE(shows("P2"));
  EXPECT_TRUE(forward_enabled());
  form->ActBackExecute();
  ASSERT_TRUE(shows("P1"));
  EXPECT_FALSE(back_enabled());
  form->AcFowardExecute();
  ASSERT_TRUE(shows("P2"));
  EXPECT_TRUE(back_enabled());
  EXPECT_TRUE(forward_enabled());
  form->AcFowardExecute();
  ASSERT_TRUE(shows("P3"));
  EXPECT_FALSE(forward_enabled());
  EXPECT_NE(preview_html().find("page P3"), std::string::npos);
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(NavigationFormTest, EnterInAnEmptyBarIsSwallowedAndChangesNothing) {
  parts->Memo.set_text("kept");
  EXPECT_TRUE(enter(""));
  EXPECT_EQ(parts->Memo.text(), "kept");
  EXPECT_EQ(parts->navigation.history_list()->count(), 0);
}

TEST_F(NavigationFormTest, CaptionAfterRunIsTheWrittenTitleEveryTime) {
  // The blank document's download may complete before or after the write;
  // either way the written title must win, and no later event may undo it.
  for (int i = 0; i < 6; ++i) {
    const std::string title = "Hello" + std::to_string(i);
    parts->Memo.set_text("<title>" + title + "</title><p>body</p>");
    form->Action5Execute();
    EXPECT_EQ(form->get_title(), title + "  Tagpad");
    ASSERT_TRUE(shows(title)) << "after run " << i << " the caption is \"" << form->get_title() << "\"";
  }
  parts->Memo.set_text("<p>no title</p>");
  form->Action5Execute();
  ASSERT_TRUE(shows(""));
}

TEST_F(NavigationFormTest, SourceViewBringsBackTheWrittenDocumentTheSameEachTime) {
  parts->Memo.set_text("<p>z</p>");
  form->Action5Execute();
  form->Action10Execute();
  const std::string first = parts->Memo.text();
  EXPECT_EQ(first, "<head></head><body><p>z</p></body>\n");
  form->Action10Execute();
  EXPECT_EQ(parts->Memo.text(), first);
}

TEST_F(NavigationFormTest, SourceViewWithTheEngineGoneKeepsTheText) {
  bool killed = false;
  sigc::connection kill = parts->WebBrowser.signal_download_begin().connect([&] {
    if (!std::exchange(killed, true)) parts->WebBrowser.terminate_engine();
  });
  deliver([&] { form->Action5Execute(); });
  kill.disconnect();
  ASSERT_EQ(boxes.errors, std::vector<std::string>{"The HTML engine stopped: terminated."});
  parts->Memo.set_text("<p>my work</p>");
  try {
    form->Action10Execute();
    ADD_FAILURE() << "the source view reported nothing";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "The HTML engine shows no document");
  }
  EXPECT_EQ(parts->Memo.text(), "<p>my work</p>");
}

}  // namespace
}  // namespace tagpad
