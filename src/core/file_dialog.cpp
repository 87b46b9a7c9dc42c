// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/file_dialog.h"

namespace tagpad {

bool FileDialog::execute(FileChooser& chooser) {
  std::optional<FileChoice> choice = chooser.choose(kind_, filters_, settings);
  if (!choice) return false;
  settings.file_name = choice->path;
  settings.filter_index = choice->filter_index;
  return true;
}

std::vector<FileFilter> document_filters() {
  return {{"Html 파일", "*.html"}, {"Htm 파일", "*.htm"}, {"텍스트 파일", "*.txt"}};
}

}  // namespace tagpad
