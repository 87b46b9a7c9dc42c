// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/file_dialog.h"

namespace tagpad {

/// File dialogs over Gtk::FileChooserDialog: no overwrite prompt, no
/// extension added, modal to the active window.
class GtkFileChooser : public FileChooser {
 public:
  std::optional<FileChoice> choose(FileDialogKind kind, const std::vector<FileFilter>& filters,
                                   const FileDialogSettings& start) override;
};

}  // namespace tagpad
