// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/file_dialog.h"

#include <deque>
#include <optional>
#include <string>

namespace tagpad {

/// Who set a navigation going, as far as the program can tell.
enum class NavigationOrigin {
  /// A click or key press of the user inside the page.
  UserGesture,
  /// The user's own command: an address typed into the address bar, or an
  /// item of the preview's menu.
  UserCommand,
  /// The page's script, or anything else without the user's say.
  Script,
};

/// No file is written without the user's say: a download that the user
/// started asks for its place through a save dialog, one that a page's
/// script started on its own is refused without a word.
class DownloadPolicy {
 public:
  /// Records a navigation the engine is about to make. A later record of
  /// the same address counts over an earlier one.
  void navigation_requested(const std::string& uri, NavigationOrigin origin);
  /// Records where a navigation was redirected to: the newest navigation
  /// on record goes on there, with its origin.
  void navigation_redirected(const std::string& uri);

  /// Whether the user started a download of `uri`: the newest navigation
  /// recorded for it came from the user. A download with no navigation on
  /// record is refused.
  bool started_by_user(const std::string& uri) const;

  /// Asks the user where to save a download, starting in `folder` with the
  /// name the page suggests, reduced to a plain file name. Nothing when the
  /// user cancels.
  static std::optional<std::string> ask_destination(FileChooser& chooser, const std::string& folder,
                                                    const std::string& suggested_name);

 private:
  struct Navigation {
    std::string uri;
    NavigationOrigin origin;
  };
  // The newest navigations, first; a download follows its navigation at
  // once, so a short memory suffices.
  std::deque<Navigation> recent_;
};

}  // namespace tagpad
