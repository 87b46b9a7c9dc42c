// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "gtk/deliver.h"

#include <glib.h>
#include <unistd.h>
#include <webkit2/webkit2.h>

#include <optional>
#include <string>

namespace tagpad {
namespace {

/// The window as a screen reader finds it on the accessibility bus. The
/// reader is a process of its own, so the window answers it meanwhile.
class AccessibilityTest : public FormTest {
 protected:
  struct Tree {
    bool whole = false;  // every object answered
    std::string text;
  };

  Tree accessible_tree() {
    const std::string pid = std::to_string(getpid());
    const char* argv[] = {TAGPAD_ACCESSIBLE_TREE, pid.c_str(), nullptr};
    GPid child = 0;
    gint out = -1;
    GError* error = nullptr;
    const bool spawned = g_spawn_async_with_pipes(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_DO_NOT_REAP_CHILD,
                                                  nullptr, nullptr, &child, nullptr, &out, nullptr, &error);
    EXPECT_TRUE(spawned) << error->message;
    if (!spawned) return {};
    std::optional<int> status;
    const guint exit_watch = g_child_watch_add(
        child, +[](GPid, gint status, gpointer result) { *static_cast<std::optional<int>*>(result) = status; },
        &status);
    GIOChannel* channel = g_io_channel_unix_new(out);
    g_io_channel_set_close_on_unref(channel, TRUE);
    g_io_channel_set_encoding(channel, nullptr, nullptr);
    struct Output {
      std::string text;
      bool open = true;
    } output;
    // Read as it comes, so that a large tree cannot fill the pipe.
    const guint watch = g_io_add_watch(
        channel, GIOCondition(G_IO_IN | G_IO_HUP),
        +[](GIOChannel* channel, GIOCondition, gpointer data) -> gboolean {
          auto& output = *static_cast<Output*>(data);
          char buffer[4096];
          gsize read = 0;
          if (g_io_channel_read_chars(channel, buffer, sizeof buffer, &read, nullptr) == G_IO_STATUS_NORMAL) {
            output.text.append(buffer, read);
            return G_SOURCE_CONTINUE;
          }
          output.open = false;
          return G_SOURCE_REMOVE;
        },
        &output);
    EXPECT_TRUE(iterate_until([&] { return status.has_value() && !output.open; }, 60));
    if (output.open) g_source_remove(watch);
    if (!status) g_source_remove(exit_watch);
    g_io_channel_unref(channel);
    Tree tree;
    tree.text = std::move(output.text);
    tree.whole = status && g_spawn_check_wait_status(*status, nullptr);
    return tree;
  }

  void run(const std::string& text) {
    parts->Memo.set_text(text);
    deliver([&] { form->Action5Execute(); });
  }
  WebKitWebView* view() { return WEBKIT_WEB_VIEW(parts->WebBrowser.widget().gobj()); }
};

TEST_F(AccessibilityTest, TheWindowAnswersWhileItsPageHangsAndIsWholeAgainOnceTheEngineIsReplaced) {
  run("<p>shown</p><button>first</button>");
  Tree tree;
  ASSERT_TRUE(iterate_until(
      [&] {
        tree = accessible_tree();
        return tree.whole && tree.text.find("push button 'first'") != std::string::npos;
      },
      30))
      << tree.text;
  EXPECT_NE(tree.text.find("push button '실행'"), std::string::npos) << tree.text;

  webkit_web_view_evaluate_javascript(view(), "setTimeout(() => { for (;;) {} }, 0)", -1, nullptr, nullptr, nullptr,
                                      nullptr, nullptr);
  // The page is left out while it does not answer, before the engine is
  // ended for it; the window's own objects all answer.
  ASSERT_TRUE(iterate_until(
      [&] {
        tree = accessible_tree();
        return !boxes.errors.empty() || (tree.whole && tree.text.find("push button 'first'") == std::string::npos);
      },
      30))
      << tree.text;
  EXPECT_TRUE(boxes.errors.empty()) << "the page was never left out while it hung:\n" << tree.text;
  EXPECT_NE(tree.text.find("push button '실행'"), std::string::npos) << tree.text;

  ASSERT_TRUE(iterate_until([&] { return !boxes.errors.empty(); }, 15));
  EXPECT_TRUE(accessible_tree().whole);
  run("<p>next</p><button>second</button>");
  EXPECT_TRUE(iterate_until(
      [&] {
        tree = accessible_tree();
        return tree.whole && tree.text.find("push button 'second'") != std::string::npos;
      },
      30))
      << tree.text;
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"The HTML engine stopped: not responding."});
}

}  // namespace
}  // namespace tagpad
