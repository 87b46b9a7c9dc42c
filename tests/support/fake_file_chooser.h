// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/file_dialog.h"

#include <deque>
#include <vector>

namespace tagpad {

/// Answers file dialogs as a person would, from a queue of answers; an
/// empty answer cancels. Records how each dialog was started.
class FakeFileChooser : public FileChooser {
 public:
  struct Shown {
    FileDialogKind kind;
    std::vector<FileFilter> filters;
    FileDialogSettings start;
  };

  std::optional<FileChoice> choose(FileDialogKind kind, const std::vector<FileFilter>& filters,
                                   const FileDialogSettings& start) override {
    shown.push_back({kind, filters, start});
    if (answers.empty()) return std::nullopt;
    std::optional<FileChoice> answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void accept(std::string path, int filter_index = 1) { answers.push_back(FileChoice{std::move(path), filter_index}); }
  void cancel() { answers.push_back(std::nullopt); }

  std::deque<std::optional<FileChoice>> answers;
  std::vector<Shown> shown;
};

}  // namespace tagpad
