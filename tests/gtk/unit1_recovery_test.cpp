// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "form_fixture.h"
#include "support/temp_folder.h"

#include <gtkmm/textview.h>

#include <algorithm>

namespace tagpad {
namespace {

class RecoveryTest : public FormTest {
 protected:
  RecoveryTest() { write_file(folder / "state", "a file where the state folder should be"); }

  void SetUp() override {
    services_.recovery_folder = folder / "state/tagpad";
    FormTest::SetUp();
  }

  void type(const std::string& text) {
    GtkTextBuffer* buffer = parts->Memo.view().get_buffer()->gobj();
    gtk_text_buffer_begin_user_action(buffer);
    gtk_text_buffer_insert_interactive_at_cursor(buffer, text.data(), static_cast<int>(text.size()), TRUE);
    gtk_text_buffer_end_user_action(buffer);
  }

  TempFolder folder;
};

TEST_F(RecoveryTest, AFolderThatCannotBeMadeCostsOneLineOnStderrAndNoBox) {
  ::testing::internal::CaptureStderr();
  type("<p>typing goes on</p>");
  const bool told = iterate_until([&] { return parts->recovery.failing(); });
  type(" and on");
  parts->recovery.take_last_copy();
  const std::string said = ::testing::internal::GetCapturedStderr();
  ASSERT_TRUE(told);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("no recovery copy"), std::string::npos) << said;
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(parts->Memo.text(), "<p>typing goes on</p> and on");
}

}  // namespace
}  // namespace tagpad
