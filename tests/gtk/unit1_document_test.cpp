// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/file_messages.h"
#include "form_fixture.h"
#include "support/find_named.h"
#include "support/temp_folder.h"

#include <gtkmm/menuitem.h>

#include <filesystem>

namespace tagpad {
namespace {

class DocumentTest : public FormTest {
 protected:
  DocumentTest() : FormTest("CP949") {}

  // Through the menu, as a user would, so that errors reach the error display.
  void open_from_menu() { menu_item("N6").activate(); }
  void save_from_menu() { menu_item("N7").activate(); }

  Gtk::MenuItem& menu_item(const char* name) {
    auto* item = find_named<Gtk::MenuItem>(*form, name);
    if (!item) throw std::runtime_error(std::string("no menu item ") + name);
    return *item;
  }

  TempFolder folder;
};

TEST_F(DocumentTest, OpenAndSaveAreEnabledInTheMenuAndOnTheToolbar) {
  parts->commands.idle_refresh();
  EXPECT_TRUE(parts->commands.command(CommandId::Action3).enabled());
  EXPECT_TRUE(parts->commands.command(CommandId::Action2).enabled());
  EXPECT_TRUE(menu_item("N6").get_sensitive());
  EXPECT_TRUE(menu_item("N7").get_sensitive());
  EXPECT_TRUE(parts->commands.tool_button("ToolButton3").enabled());
  EXPECT_TRUE(parts->commands.tool_button("ToolButton4").enabled());
}

TEST_F(DocumentTest, OpenShowsTheFileAndLeavesPreviewAddressAndCaptionAlone) {
  ASSERT_TRUE(iterate_until([&] { return parts->WebBrowser.ready_state() == 4; }));
  parts->Edit1.set_text("typed");
  const std::string title = form->get_title();
  const std::string preview = preview_html();
  write_file(folder / "page.html", "<p>\xC7\xD1\xB1\xDB</p>\nline 2\rline 3\r\n");
  chooser.accept(folder / "page.html");
  open_from_menu();
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(parts->Memo.text(), "<p>한글</p>\nline 2\nline 3\n");
  EXPECT_EQ(parts->StatusBar1.get_text(), "3 줄");
  EXPECT_EQ(parts->Edit1.get_text(), "typed");
  EXPECT_EQ(form->get_title(), title);
  EXPECT_EQ(preview_html(), preview);

  // The same text again is no change: the status bar is not rewritten.
  parts->status_bar.set_single_text("untouched");
  write_file(folder / "same.txt", "<p>\xC7\xD1\xB1\xDB</p>\r\nline 2\r\nline 3\r\n");
  chooser.accept(folder / "same.txt", 3);
  open_from_menu();
  EXPECT_EQ(parts->StatusBar1.get_text(), "untouched");
}

TEST_F(DocumentTest, SaveWritesTheCodePageWithCrLfAndNoExtensionAdded) {
  parts->Memo.set_text("<p>한글</p>\nend");
  chooser.accept(folder / "noext", 1);
  save_from_menu();
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(folder.names(), std::vector<std::string>{"noext"});
  EXPECT_EQ(read_file(folder / "noext"), "<p>\xC7\xD1\xB1\xDB</p>\r\nend");
  // Over an existing file, without a question.
  parts->Memo.set_text("");
  chooser.accept(folder / "noext", 1);
  save_from_menu();
  EXPECT_EQ(read_file(folder / "noext"), "");
}

TEST_F(DocumentTest, EachDialogRemembersItsOwnLastAcceptedFileAndFilter) {
  write_file(folder / "a.htm", "a");
  chooser.accept(folder / "a.htm", 2);
  open_from_menu();
  chooser.cancel();
  open_from_menu();
  chooser.accept(folder / "b.txt", 3);
  save_from_menu();
  chooser.cancel();
  save_from_menu();
  chooser.cancel();
  open_from_menu();
  ASSERT_EQ(chooser.shown.size(), 5u);
  const auto& first = chooser.shown[0];
  EXPECT_EQ(first.kind, FileDialogKind::Open);
  EXPECT_EQ(first.start.initial_dir, "/opt/tagpad/");
  EXPECT_EQ(first.start.file_name, "");
  EXPECT_EQ(first.start.filter_index, 1);
  ASSERT_EQ(first.filters.size(), 3u);
  EXPECT_EQ(first.filters[0].name, "Html 파일");
  EXPECT_EQ(first.filters[1].pattern, "*.htm");
  EXPECT_EQ(first.filters[2].name, "텍스트 파일");
  EXPECT_EQ(chooser.shown[1].start.file_name, folder / "a.htm");
  EXPECT_EQ(chooser.shown[1].start.filter_index, 2);
  EXPECT_EQ(chooser.shown[2].kind, FileDialogKind::Save);
  EXPECT_EQ(chooser.shown[2].start.file_name, "");
  EXPECT_EQ(chooser.shown[2].start.filter_index, 1);
  EXPECT_EQ(chooser.shown[3].start.file_name, folder / "b.txt");
  EXPECT_EQ(chooser.shown[3].start.filter_index, 3);
  EXPECT_EQ(chooser.shown[4].start.file_name, folder / "a.htm");
  EXPECT_EQ(chooser.shown[4].start.filter_index, 2);
  EXPECT_EQ(read_file(folder / "b.txt"), "a");
}

TEST_F(DocumentTest, CancelledDialogsTouchNothing) {
  parts->Memo.set_text("keep");
  write_file(folder / "x.html", "old");
  chooser.cancel();
  open_from_menu();
  chooser.cancel();
  save_from_menu();
  EXPECT_EQ(parts->Memo.text(), "keep");
  EXPECT_EQ(read_file(folder / "x.html"), "old");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"x.html"});
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(DocumentTest, BadFilesAreReportedAndThePaneKeepsItsText) {
  parts->Memo.set_text("precious");
  std::filesystem::create_directory(folder / "dir");
  for (const std::string& path :
       {folder / "missing.html", folder / "nofolder/x.html", folder / "dir", std::string("/dev/zero")}) {
    chooser.accept(path);
    open_from_menu();
  }
  chooser.accept(folder / "nofolder/x.html");
  save_from_menu();
  ASSERT_EQ(boxes.errors.size(), 5u);
  EXPECT_EQ(boxes.errors[0], "Cannot open file \"" + (folder / "missing.html") + "\". " + g_strerror(ENOENT) + ".");
  EXPECT_EQ(boxes.errors[2], cannot_open_file_message(folder / "dir", EISDIR) + ".");
  EXPECT_EQ(boxes.errors[3], cannot_open_file_message("/dev/zero", EINVAL) + ".");
  EXPECT_EQ(boxes.errors[4], cannot_create_file_message(folder / "nofolder/x.html", ENOENT) + ".");
  EXPECT_EQ(parts->Memo.text(), "precious");

  parts->Memo.set_text("\xF0\x9F\x98\x80");
  chooser.accept(folder / "emoji.html");
  save_from_menu();
  ASSERT_EQ(boxes.errors.size(), 6u);
  EXPECT_EQ(boxes.errors[5], "Cannot encode character U+1F600 on line 1 in code page CP949.");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"dir"});
}

TEST_F(DocumentTest, ZeroByteEndsTheTextAndSavingWritesWhatIsShown) {
  write_file(folder / "nul.html", std::string("before\r\n\0after", 14));
  chooser.accept(folder / "nul.html");
  open_from_menu();
  EXPECT_EQ(parts->Memo.text(), "before\n");
  chooser.accept(folder / "nul.html");
  save_from_menu();
  EXPECT_EQ(read_file(folder / "nul.html"), "before\r\n");
}

TEST_F(DocumentTest, AHundredMegabyteFileOpensAndSavesBack) {
  std::string line = "<p>\xC7\xD1\xB1\xDB 0123456789 abcdefghijklmnopqrstuvwxyz</p>\r\n";
  std::string big;
  big.reserve((std::size_t{100} << 20) + line.size());
  while (big.size() < (std::size_t{100} << 20)) big += line;
  write_file(folder / "big.html", big);
  chooser.accept(folder / "big.html");
  open_from_menu();
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(parts->Memo.line_count(), static_cast<int>(big.size() / line.size()) + 1);
  chooser.accept(folder / "copy.html");
  save_from_menu();
  EXPECT_TRUE(read_file(folder / "copy.html") == big);
}

}  // namespace
}  // namespace tagpad
