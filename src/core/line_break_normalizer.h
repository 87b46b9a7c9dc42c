// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tagpad {

class CodePage;

/// Makes every line break of a file's bytes CR LF as the bytes arrive, in
/// chunks of any size: CR LF, a lone CR and a lone LF each become one CR LF,
/// so LF CR is two breaks. A lead byte of the code page is copied with the
/// byte after it, which is never taken for a break; every other byte, NUL
/// included, is copied unchanged. The result does not depend on where the
/// chunks end.
class LineBreakNormalizer {
 public:
  explicit LineBreakNormalizer(const CodePage& page);

  /// Appends the normalised form of `chunk` to `out`. A CR or a lead byte at
  /// the end of the chunk is held back until the next chunk shows the byte
  /// after it.
  void feed(std::string_view chunk, std::string& out);

  /// Appends what was held back at the end of the input: a CR as CR LF, a
  /// lead byte as itself.
  void finish(std::string& out);

 private:
  enum class Held { Nothing, Cr, LeadByte };

  // A table, as the scan asks about every byte of files of many megabytes.
  std::array<bool, 256> stop_{};
  Held held_ = Held::Nothing;
  char lead_byte_ = 0;
};

/// The whole of `bytes` normalised by a LineBreakNormalizer for `page`.
std::string normalize_line_breaks(std::string_view bytes, const CodePage& page);

}  // namespace tagpad
