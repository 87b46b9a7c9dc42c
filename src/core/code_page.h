// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <string>
#include <string_view>

namespace tagpad {

/// A byte code page ("ANSI" in the original design), converting losslessly
/// between its bytes and UTF-8. Bytes that do not decode become the
/// characters U+10FF80..U+10FFFF (byte 0x80..0xFF) and turn back into the
/// same bytes, so any byte string survives a round trip. A control byte
/// after a lead byte that does not decode with it becomes U+10FF00 plus the
/// byte, so that the pair never holds a line break of the text.
class CodePage {
 public:
  /// A code page by its iconv name. "EUC-KR" is widened to its superset
  /// CP949, and the C locale's "ANSI_X3.4-1968" means UTF-8.
  static CodePage named(std::string_view name);

  /// The code page of the C library's locale, read once on first use.
  static const CodePage& platform();

  const std::string& name() const { return name_; }
  bool is_utf8() const { return utf8_; }
  /// The label a web engine knows the code page by ("EUC-KR" names CP949
  /// in the web's encoding registry).
  std::string web_charset() const { return double_byte_ ? "EUC-KR" : name_; }

  /// True for bytes that start a two-byte character (CP949: 0x81..0xFE).
  bool is_lead_byte(unsigned char byte) const;

  /// Decodes bytes to UTF-8; never fails.
  std::string to_utf8(std::string_view bytes) const;

  /// Encodes UTF-8 into bytes. Throws tagpad::Error for a character the
  /// code page has no bytes for, or for malformed UTF-8.
  std::string from_utf8(std::string_view utf8) const;
  /// As from_utf8, appending to `out`; on failure `out` holds part of the bytes.
  void append_from_utf8(std::string& out, std::string_view utf8) const;

 private:
  explicit CodePage(std::string name);

  std::string decode_utf8(std::string_view bytes) const;
  std::string decode_by_character(std::string_view bytes) const;
  /// Appends the byte at `pos`, which did not decode, and moves past it.
  void append_undecoded(std::string& out, std::string_view bytes, std::size_t& pos) const;
  /// Appends the bytes of text that holds no escapes.
  void append_encoded(std::string& out, std::string_view utf8) const;

  std::string name_;
  bool utf8_ = false;
  bool double_byte_ = false;
};

}  // namespace tagpad
