// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/file_dialog_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace tagpad {

enum class FileDialogKind { Open, Save };

/// One entry of a file dialog's filter: its name and the pattern it shows.
struct FileFilter {
  std::string name;
  std::string pattern;
};

/// What the user accepted in a file dialog: a full path, and the 1-based
/// filter entry that was selected.
struct FileChoice {
  std::string path;
  int filter_index = 1;
};

/// The platform's modal file dialog.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  /// Shows the dialog starting from `start`; nothing when the user cancels
  /// or the dialog cannot be shown.
  virtual std::optional<FileChoice> choose(FileDialogKind kind, const std::vector<FileFilter>& filters,
                                           const FileDialogSettings& start) = 0;
};

/// An open or save dialog of a window, remembering its last accepted file
/// and filter entry for the run of the program.
class FileDialog {
 public:
  FileDialog(FileDialogKind kind, std::vector<FileFilter> filters) : kind_(kind), filters_(std::move(filters)) {}

  /// Shows the dialog; true when the user accepted a file. A cancelled
  /// dialog changes nothing.
  bool execute(FileChooser& chooser);

  const std::string& file_name() const { return settings.file_name; }

  FileDialogSettings settings;

 private:
  FileDialogKind kind_;
  std::vector<FileFilter> filters_;
};

/// The filter of the document dialogs: "Html 파일|*.html|Htm 파일|*.htm|텍스트 파일|*.txt".
std::vector<FileFilter> document_filters();

}  // namespace tagpad
