// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>

namespace tagpad {

/// "Cannot open file "%s". %s" for `path` and the system error `code`.
std::string cannot_open_file_message(const std::string& path, int code);

/// "Cannot create file "%s". %s" for `path` and the system error `code`.
std::string cannot_create_file_message(const std::string& path, int code);

/// A write, flush or close of a file being saved failed.
inline constexpr const char* StreamWriteError = "Stream write error";

/// The source pane refused a text larger than it can hold.
inline constexpr const char* TextExceedsMemoCapacity = "Text exceeds memo capacity";

/// The first placeholder of the two file messages: `path` made absolute
/// against the current folder, shown in UTF-8, at most 260 characters.
std::string message_path(const std::string& path);

/// The second placeholder: the system's text for `code`, trimmed.
std::string system_error_text(int code);

/// A system's error text cut to at most 255 bytes (before a whole UTF-8
/// character), without trailing spaces, control characters and full stops.
std::string trimmed_system_text(std::string text);

}  // namespace tagpad
