// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tagpad {

class CodePage;
class FileSystem;

/// The user's recovery folder, named for the open dialog's list of places:
/// "$XDG_STATE_HOME/tagpad/복구된 문서".
std::string recovery_folder();

/// How many copies of unsaved text the recovery folder keeps.
inline constexpr std::size_t RecoveryCopiesKept = 10;

/// The file name of a recovery copy taken at `when` by the process `pid`:
/// the time in UTC first, so that names sort as the copies were taken, and
/// the process, so that two windows never write the same name. A copy
/// written in UTF-8 because the code page cannot hold its text says so.
std::string recovery_copy_name(std::chrono::system_clock::time_point when, long pid, bool utf8);

/// Whether `name` is one that recovery_copy_name() makes.
bool is_recovery_copy_name(std::string_view name);

/// Of the names in a recovery folder, the copies to remove so that only the
/// newest `kept` remain, oldest first. Other names are never among them.
std::vector<std::string> surplus_recovery_copies(std::vector<std::string> names, std::size_t kept = RecoveryCopiesKept);

/// Writes `text` (the pane's UTF-8) as a new copy in `folder`, creating the
/// folder if it is missing, then removes the copies beyond the newest ten.
/// The bytes are a document in `page`, as a save writes them, or in UTF-8
/// where `page` cannot hold the text; the file is written as a save writes
/// it, so a failure leaves the earlier copies whole. Returns the new copy's
/// path; throws tagpad::Error.
std::string write_recovery_copy(FileSystem& files, const std::string& folder, std::string_view text,
                                const CodePage& page, std::chrono::system_clock::time_point when, long pid);

}  // namespace tagpad
