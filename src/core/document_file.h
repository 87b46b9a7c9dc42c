// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tagpad {

class CodePage;
class DocumentPane;
class FileSystem;

/// The most text, in bytes of UTF-8, that the source pane takes. The text
/// view counts in `int`, and a GtkSourceView needs about eight times a
/// text's size in memory, so this keeps well inside both: a 100 MB file of
/// Korean text (about 150 MB of UTF-8) still opens.
inline constexpr std::size_t MemoCapacity = std::size_t{256} << 20;

/// Opens the document file `path` into `pane`: reads it whole under a shared
/// lock, normalises and decodes it, and replaces the pane's text unless the
/// pane already holds it. Throws tagpad::Error "Cannot open file "%s". %s",
/// or "Text exceeds memo capacity" when the text is larger than `capacity`;
/// the pane keeps its text on every failure.
void open_document(FileSystem& files, const std::string& path, const CodePage& page, DocumentPane& pane,
                   std::size_t capacity = MemoCapacity);

/// Saves the pane's text, encoded as a document, through write_file_whole().
/// Throws its errors or the message of a character the code page cannot
/// encode.
void save_document(FileSystem& files, const std::string& path, const CodePage& page, const DocumentPane& pane);

/// Writes `bytes` as the file `path`. They go to a new file in the same
/// folder, which replaces the old one only once every write, the flush and
/// the close have succeeded, so a failure leaves the old file as it was and
/// removes the new one. A symbolic link is followed to the file it names,
/// which keeps its permission bits. Throws tagpad::Error with "Cannot create
/// file "%s". %s" or "Stream write error".
void write_file_whole(FileSystem& files, const std::string& path, std::string_view bytes);

}  // namespace tagpad
