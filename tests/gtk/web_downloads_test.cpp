// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "support/local_web_server.h"
#include "support/temp_folder.h"

#include <webkit2/webkit2.h>

#include <optional>
#include <string>
#include <vector>

namespace tagpad {
namespace {

/// How each download of the process ended: the file it wrote, or its
/// error. Watches every download through emission hooks, so it sees also
/// those that the program ends inside the signal that announces them.
class DownloadWatch {
 public:
  struct Ended {
    std::string destination;
    std::optional<int> error;
  };

  DownloadWatch() {
    g_type_class_ref(WEBKIT_TYPE_DOWNLOAD);
    failed_hook_ =
        g_signal_add_emission_hook(g_signal_lookup("failed", WEBKIT_TYPE_DOWNLOAD), 0, on_failed, this, nullptr);
    finished_hook_ =
        g_signal_add_emission_hook(g_signal_lookup("finished", WEBKIT_TYPE_DOWNLOAD), 0, on_finished, this, nullptr);
  }
  ~DownloadWatch() {
    g_signal_remove_emission_hook(g_signal_lookup("failed", WEBKIT_TYPE_DOWNLOAD), failed_hook_);
    g_signal_remove_emission_hook(g_signal_lookup("finished", WEBKIT_TYPE_DOWNLOAD), finished_hook_);
  }

  std::vector<Ended> ended;

 private:
  static gboolean on_failed(GSignalInvocationHint*, guint, const GValue* values, gpointer self) {
    static_cast<DownloadWatch*>(self)->error_ = static_cast<GError*>(g_value_get_boxed(&values[1]))->code;
    return TRUE;
  }
  static gboolean on_finished(GSignalInvocationHint*, guint, const GValue* values, gpointer self) {
    auto& watch = *static_cast<DownloadWatch*>(self);
    const char* destination = webkit_download_get_destination(WEBKIT_DOWNLOAD(g_value_get_object(&values[0])));
    watch.ended.push_back({destination ? destination : "", std::exchange(watch.error_, std::nullopt)});
    return TRUE;
  }

  gulong failed_hook_ = 0;
  gulong finished_hook_ = 0;
  std::optional<int> error_;
};

constexpr int Cancelled = WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER;

// A link that fills the page, so that any point of the view is on it.
std::string link_page(const std::string& href, const std::string& name, const std::string& script = "") {
  return "<body style='margin:0'><a id='link' download='" + name + "' href='" + href +
         "' style='display:block;width:100%;height:400px'>download</a><script>" + script + "</script></body>";
}

const std::string ClickAtLoad = "onload = () => document.getElementById('link').click();";

class DownloadTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    parts->WebBrowser.signal_status_text_change().connect([this](const std::string& text) { pointed_at_ = text; });
  }

  WebKitWebView* view() { return WEBKIT_WEB_VIEW(parts->WebBrowser.widget().gobj()); }

  void enter_address(const std::string& address) {
    parts->Edit1.set_text(address);
    char enter = '\r';
    form->Edit1KeyPress(enter);
  }

  void run(const std::string& text) {
    parts->Memo.set_text(text);
    form->Action5Execute();
  }

  bool wait_for_ended(std::size_t count) {
    return iterate_until([&] { return watch_.ended.size() >= count; });
  }

  // A pointer event of a button (the left one unless named) at x, y of the
  // view, as the display delivers a mouse's: the engine counts a click by it
  // as the user's.
  void pointer(GdkEventType type, int x, int y, guint button = 1) {
    GdkEvent* event = gdk_event_new(type);
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(view()));
    if (type == GDK_MOTION_NOTIFY) {
      event->motion.window = GDK_WINDOW(g_object_ref(window));
      event->motion.x = x;
      event->motion.y = y;
      event->motion.time = GDK_CURRENT_TIME;
    } else {
      event->button.window = GDK_WINDOW(g_object_ref(window));
      event->button.x = x;
      event->button.y = y;
      event->button.button = button;
      event->button.time = GDK_CURRENT_TIME;
      if (type == GDK_BUTTON_RELEASE) event->button.state = GDK_BUTTON1_MASK << (button - 1);
    }
    gdk_event_set_device(event, gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_widget_event(GTK_WIDGET(view()), event);
    gdk_event_free(event);
  }

  // Clicks the page's link once the page shows it under the pointer.
  void click_link(const std::string& href, guint button = 1) {
    gint64 next_motion = 0;
    ASSERT_TRUE(iterate_until([&] {
      if (pointed_at_ == href) return true;
      // The page may not be laid out yet; point again now and then.
      if (g_get_monotonic_time() >= next_motion) {
        pointer(GDK_MOTION_NOTIFY, 20, 20 + (next_motion ? 1 : 0));
        next_motion = g_get_monotonic_time() + G_USEC_PER_SEC / 10;
      }
      return false;
    })) << "the page never showed its link under the pointer";
    pointer(GDK_BUTTON_PRESS, 20, 20, button);
    pointer(GDK_BUTTON_RELEASE, 20, 20, button);
  }

  void open_link_page() {
    enter_address(server_.uri("/page.html"));
    ASSERT_TRUE(iterate_until([&] { return parts->WebBrowser.ready_state() == 4; }));
  }

  // The one download ended with `error`, reported once, and left nothing
  // behind in the folder.
  void expect_failed_leaving_no_file(int error) {
    ASSERT_EQ(watch_.ended.size(), 1u);
    EXPECT_EQ(watch_.ended[0].error, error);
    ASSERT_TRUE(iterate_until([&] { return !boxes.errors.empty(); }));
    EXPECT_EQ(boxes.errors.size(), 1u);
    EXPECT_TRUE(folder_.names().empty());
  }

  void serve_link_page(const std::string& script = "") {
    server_.serve("/page.html", {"text/html; charset=utf-8", link_page("/note.txt", "note.txt", script), ""});
    server_.serve("/note.txt", {"text/plain", "the downloaded note\n", ""});
  }

  TempFolder folder_;
  LocalWebServer server_;
  DownloadWatch watch_;
  std::string pointed_at_;
};

TEST_F(DownloadTest, AClickOnADownloadLinkAsksWhereAndWritesThere) {
  serve_link_page();
  ASSERT_NO_FATAL_FAILURE(open_link_page());
  chooser.accept(folder_ / "saved.txt");
  click_link(server_.uri("/note.txt"));
  ASSERT_TRUE(wait_for_ended(1));
  EXPECT_EQ(watch_.ended[0].error, std::nullopt);
  ASSERT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(chooser.shown[0].kind, FileDialogKind::Save);
  EXPECT_EQ(std::filesystem::path(chooser.shown[0].start.file_name).filename(), "note.txt");
  EXPECT_EQ(read_file(folder_ / "saved.txt"), "the downloaded note\n");
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(DownloadTest, ThePreviewMenusDownloadOfALinkAsksWhereAndWritesThere) {
  // The menu's download item, taken as the engine offers it; the engine
  // acts on it once the menu shows.
  GAction* download = nullptr;
  g_signal_connect(
      view(), "context-menu",
      G_CALLBACK(+[](WebKitWebView*, WebKitContextMenu* menu, GdkEvent*, WebKitHitTestResult*, GAction** download) {
        for (GList* item = webkit_context_menu_get_items(menu); item; item = item->next)
          if (webkit_context_menu_item_get_stock_action(WEBKIT_CONTEXT_MENU_ITEM(item->data)) ==
              WEBKIT_CONTEXT_MENU_ACTION_DOWNLOAD_LINK_TO_DISK)
            *download =
                G_ACTION(g_object_ref(webkit_context_menu_item_get_gaction(WEBKIT_CONTEXT_MENU_ITEM(item->data))));
        return FALSE;
      }),
      &download);
  serve_link_page();
  ASSERT_NO_FATAL_FAILURE(open_link_page());
  chooser.accept(folder_ / "from-menu.txt");
  click_link(server_.uri("/note.txt"), 3);
  ASSERT_TRUE(iterate_until([&] { return download != nullptr; }));
  ASSERT_TRUE(settle());
  g_action_activate(download, nullptr);
  g_object_unref(download);
  ASSERT_TRUE(wait_for_ended(1));
  EXPECT_EQ(watch_.ended[0].error, std::nullopt);
  EXPECT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(read_file(folder_ / "from-menu.txt"), "the downloaded note\n");
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(DownloadTest, CancellingTheSaveDialogWritesNothing) {
  serve_link_page();
  ASSERT_NO_FATAL_FAILURE(open_link_page());
  chooser.cancel();
  click_link(server_.uri("/note.txt"));
  ASSERT_TRUE(wait_for_ended(1));
  EXPECT_EQ(watch_.ended[0].error, Cancelled);
  EXPECT_EQ(watch_.ended[0].destination, "");
  EXPECT_EQ(chooser.shown.size(), 1u);
  EXPECT_TRUE(folder_.names().empty());
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(DownloadTest, ADownloadAPageScriptStartsAloneIsRefusedUnasked) {
  serve_link_page(ClickAtLoad);
  chooser.accept(folder_ / "never.txt");
  enter_address(server_.uri("/page.html"));
  ASSERT_TRUE(wait_for_ended(1));
  EXPECT_EQ(watch_.ended[0].error, Cancelled);
  EXPECT_EQ(watch_.ended[0].destination, "");
  EXPECT_TRUE(chooser.shown.empty());
  EXPECT_TRUE(folder_.names().empty());
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(DownloadTest, AnAddressTypedByTheUserThatDownloadsAsks) {
  server_.serve("/report", {"text/plain", "report body", "attachment; filename=\"../report.txt\""});
  chooser.accept(folder_ / "report.txt");
  enter_address(server_.uri("/report"));
  ASSERT_TRUE(wait_for_ended(1));
  EXPECT_EQ(watch_.ended[0].error, std::nullopt);
  ASSERT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(std::filesystem::path(chooser.shown[0].start.file_name).filename(), "report.txt");
  EXPECT_EQ(read_file(folder_ / "report.txt"), "report body");
}

TEST_F(DownloadTest, ARunPageDownloadsOnlyOnAClick) {
  const std::string href = "data:text/plain,from%20run";
  run(link_page(href, "run.txt", ClickAtLoad));
  ASSERT_TRUE(wait_for_ended(1));
  EXPECT_EQ(watch_.ended[0].error, Cancelled);
  EXPECT_TRUE(chooser.shown.empty());

  chooser.accept(folder_ / "run.txt");
  run(link_page(href, "run.txt"));
  click_link(href);
  ASSERT_TRUE(wait_for_ended(2));
  EXPECT_EQ(watch_.ended[1].error, std::nullopt);
  EXPECT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(read_file(folder_ / "run.txt"), "from run");
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(DownloadTest, ADownloadThatCannotWriteIsReportedAndLeavesNoFile) {
  serve_link_page();
  ASSERT_NO_FATAL_FAILURE(open_link_page());
  chooser.accept(folder_ / "missing-folder/note.txt");
  click_link(server_.uri("/note.txt"));
  ASSERT_TRUE(wait_for_ended(1));
  expect_failed_leaving_no_file(WEBKIT_DOWNLOAD_ERROR_DESTINATION);
}

TEST_F(DownloadTest, ADownloadCutOffHalfwayIsReportedAndLeavesNoFile) {
  server_.serve("/page.html", {"text/html; charset=utf-8", link_page("/big.bin", "big.bin"), ""});
  server_.serve("/big.bin", {"application/octet-stream", std::string(1 << 20, 'x'), "", 64 * 1024});
  ASSERT_NO_FATAL_FAILURE(open_link_page());
  chooser.accept(folder_ / "big.bin");
  click_link(server_.uri("/big.bin"));
  ASSERT_TRUE(wait_for_ended(1));
  expect_failed_leaving_no_file(WEBKIT_DOWNLOAD_ERROR_NETWORK);
}

}  // namespace
}  // namespace tagpad
