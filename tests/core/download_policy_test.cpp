// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/download_policy.h"

#include "support/fake_file_chooser.h"

#include <gtest/gtest.h>

#include <string>

namespace tagpad {
namespace {

TEST(DownloadPolicy, OnlyADownloadTheUserStartedMayAsk) {
  DownloadPolicy policy;
  policy.navigation_requested("http://127.0.0.1/clicked.zip", NavigationOrigin::UserGesture);
  policy.navigation_requested("http://127.0.0.1/typed.zip", NavigationOrigin::UserCommand);
  policy.navigation_requested("blob:null/scripted", NavigationOrigin::Script);
  EXPECT_TRUE(policy.started_by_user("http://127.0.0.1/clicked.zip"));
  EXPECT_TRUE(policy.started_by_user("http://127.0.0.1/typed.zip"));
  EXPECT_FALSE(policy.started_by_user("blob:null/scripted"));
  // Nothing on record: nobody asked for it.
  EXPECT_FALSE(policy.started_by_user("data:text/plain,unknown"));
}

TEST(DownloadPolicy, TheNewestNavigationToAnAddressCounts) {
  DownloadPolicy policy;
  policy.navigation_requested("http://127.0.0.1/a.zip", NavigationOrigin::UserGesture);
  policy.navigation_requested("http://127.0.0.1/a.zip", NavigationOrigin::Script);
  EXPECT_FALSE(policy.started_by_user("http://127.0.0.1/a.zip"));
  policy.navigation_requested("http://127.0.0.1/a.zip", NavigationOrigin::UserGesture);
  EXPECT_TRUE(policy.started_by_user("http://127.0.0.1/a.zip"));
}

TEST(DownloadPolicy, ARedirectGoesOnWithTheOriginOfItsNavigation) {
  DownloadPolicy policy;
  policy.navigation_redirected("http://127.0.0.1/nothing-before.zip");
  EXPECT_FALSE(policy.started_by_user("http://127.0.0.1/nothing-before.zip"));
  policy.navigation_requested("http://127.0.0.1/typed", NavigationOrigin::UserCommand);
  policy.navigation_redirected("http://127.0.0.1/typed.zip");
  EXPECT_TRUE(policy.started_by_user("http://127.0.0.1/typed.zip"));
  policy.navigation_requested("http://127.0.0.1/scripted", NavigationOrigin::Script);
  policy.navigation_redirected("http://127.0.0.1/scripted.zip");
  EXPECT_FALSE(policy.started_by_user("http://127.0.0.1/scripted.zip"));
}

TEST(DownloadPolicy, AClickLongAgoDoesNotCoverALaterScriptedDownload) {
  DownloadPolicy policy;
  policy.navigation_requested("http://127.0.0.1/a.zip", NavigationOrigin::UserGesture);
  for (int i = 0; i < 100; ++i)
    policy.navigation_requested("http://127.0.0.1/page" + std::to_string(i), NavigationOrigin::Script);
  EXPECT_FALSE(policy.started_by_user("http://127.0.0.1/a.zip"));
}

TEST(DownloadPolicy, AsksInASaveDialogStartingWithThePlainSuggestedName) {
  FakeFileChooser chooser;
  chooser.accept("/home/user/chosen.txt");
  EXPECT_EQ(DownloadPolicy::ask_destination(chooser, "/home/user/Downloads", "note.txt"), "/home/user/chosen.txt");
  ASSERT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(chooser.shown[0].kind, FileDialogKind::Save);
  EXPECT_TRUE(chooser.shown[0].filters.empty());
  EXPECT_EQ(chooser.shown[0].start.initial_dir, "/home/user/Downloads");
  EXPECT_EQ(chooser.shown[0].start.file_name, "/home/user/Downloads/note.txt");

  // A suggestion is never a path out of the folder.
  const std::pair<const char*, const char*> suggestions[] = {
      {"../../.bashrc", "/d/.bashrc"}, {"/etc/passwd", "/d/passwd"}, {"", "/d/download"},
      {"..", "/d/download"},           {"/", "/d/download"},         {"sub/dir/", "/d/dir"}};
  for (const auto& [suggested, start] : suggestions) {
    chooser.cancel();
    EXPECT_EQ(DownloadPolicy::ask_destination(chooser, "/d", suggested), std::nullopt) << suggested;
    EXPECT_EQ(chooser.shown.back().start.file_name, start) << suggested;
  }
}

}  // namespace
}  // namespace tagpad
