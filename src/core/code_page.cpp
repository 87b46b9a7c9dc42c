// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/code_page.h"

#include "core/error.h"

#include <glib.h>
#include <langinfo.h>

#include <array>
#include <cerrno>
#include <memory>

namespace tagpad {
namespace {

constexpr gunichar EscapeBase = 0x10FF00;  // + the byte

bool is_escape(gunichar c) { return c >= EscapeBase && c <= EscapeBase + 0xFF; }

void append_escaped(std::string& out, unsigned char byte) {
  std::array<char, 6> buf{};
  out.append(buf.data(), g_unichar_to_utf8(EscapeBase + byte, buf.data()));
}

// A byte that did not decode: escaped, unless it is ASCII and stands for itself.
void append_escape(std::string& out, unsigned char byte) {
  if (byte < 0x80)
    out += static_cast<char>(byte);
  else
    append_escaped(out, byte);
}

// The offset of the first character of the escape range at or after
// `from` in UTF-8 text (its encoding starts F4 8F BC to F4 8F BF), or npos.
std::size_t find_escape_range(std::string_view utf8, std::size_t from = 0) {
  for (std::size_t i = utf8.find('\xF4', from); i != std::string_view::npos; i = utf8.find('\xF4', i + 1)) {
    if (i + 2 < utf8.size() && utf8[i + 1] == '\x8F' && static_cast<unsigned char>(utf8[i + 2]) >= 0xBC &&
        static_cast<unsigned char>(utf8[i + 2]) <= 0xBF)
      return i;
  }
  return std::string_view::npos;
}

struct IconvCloser {
  void operator()(GIConv cd) const { g_iconv_close(cd); }
};
using Iconv = std::unique_ptr<std::remove_pointer_t<GIConv>, IconvCloser>;

Iconv open_iconv(const std::string& to, const std::string& from) {
  GIConv cd = g_iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<GIConv>(-1)) throw Error("Code page " + from + " to " + to + " is not available");
  return Iconv(cd);
}

// Converts what iconv can; returns the offset of the first byte it could
// not convert, or the input size.
std::size_t convert(GIConv cd, std::string_view in, std::string& out) {
  char* inbuf = const_cast<char*>(in.data());
  gsize inleft = in.size();
  std::array<char, 16384> chunk;
  while (inleft > 0) {
    char* outbuf = chunk.data();
    gsize outleft = chunk.size();
    gsize r = g_iconv(cd, &inbuf, &inleft, &outbuf, &outleft);
    out.append(chunk.data(), chunk.size() - outleft);
    if (r == static_cast<gsize>(-1) && errno != E2BIG) break;
  }
  g_iconv(cd, nullptr, nullptr, nullptr, nullptr);
  return in.size() - inleft;
}

}  // namespace

CodePage::CodePage(std::string name) : name_(std::move(name)) {
  utf8_ = name_ == "UTF-8";
  double_byte_ = name_ == "CP949";
  if (!utf8_) open_iconv("UTF-8", name_);  // fails early for unknown names
}

CodePage CodePage::named(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = g_ascii_toupper(c);
  if (upper == "UTF8" || upper == "UTF-8" || upper == "ANSI_X3.4-1968") return CodePage("UTF-8");
  if (upper == "EUC-KR" || upper == "EUCKR" || upper == "CP949" || upper == "UHC") return CodePage("CP949");
  return CodePage(upper);
}

const CodePage& CodePage::platform() {
  static const CodePage page = named(nl_langinfo(CODESET));
  return page;
}

bool CodePage::is_lead_byte(unsigned char byte) const { return double_byte_ && byte >= 0x81 && byte <= 0xFE; }

std::string CodePage::to_utf8(std::string_view bytes) const {
  if (utf8_) return decode_utf8(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  Iconv cd = open_iconv("UTF-8", name_);
  for (std::size_t pos = 0; pos < bytes.size();) {
    pos += convert(cd.get(), bytes.substr(pos), out);
    if (pos < bytes.size()) append_undecoded(out, bytes, pos);
  }
  // The fast path is exact only if every character encodes back to its own
  // bytes; otherwise take the text apart one character at a time.
  try {
    if (from_utf8(out) == bytes) return out;
  } catch (const Error&) {
  }
  return decode_by_character(bytes);
}

void CodePage::append_undecoded(std::string& out, std::string_view bytes, std::size_t& pos) const {
  const auto byte = static_cast<unsigned char>(bytes[pos++]);
  append_escape(out, byte);
  if (!is_lead_byte(byte) || pos == bytes.size()) return;
  // A lead byte takes the byte after it, as the file's line breaks were
  // read: the pair is one broken character, so its second byte neither
  // starts a character of its own nor, as a CR or LF, breaks the line.
  const auto second = static_cast<unsigned char>(bytes[pos++]);
  if (second < 0x20)
    append_escaped(out, second);
  else
    append_escape(out, second);
}

std::string CodePage::decode_utf8(std::string_view bytes) const {
  std::string out;
  out.reserve(bytes.size());
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const char* end = nullptr;
    g_utf8_validate_len(bytes.data() + pos, bytes.size() - pos, &end);
    std::string_view valid(bytes.data() + pos, end - (bytes.data() + pos));
    // Valid characters that fall into the escape range are escaped byte by
    // byte, so that decoding them again cannot turn them into other bytes.
    std::size_t start = 0;
    for (std::size_t i = find_escape_range(valid); i != std::string_view::npos; i = find_escape_range(valid, start)) {
      out.append(valid.substr(start, i - start));
      for (std::size_t k = 0; k < 4; ++k) append_escape(out, static_cast<unsigned char>(valid[i + k]));
      start = i + 4;
    }
    out.append(valid.substr(start));
    pos += valid.size();
    if (pos < bytes.size()) append_escape(out, static_cast<unsigned char>(bytes[pos++]));
  }
  return out;
}

std::string CodePage::decode_by_character(std::string_view bytes) const {
  std::string out;
  Iconv cd = open_iconv("UTF-8", name_);
  for (std::size_t pos = 0; pos < bytes.size();) {
    bool taken = false;
    for (std::size_t len = 1; len <= 4 && pos + len <= bytes.size() && !taken; ++len) {
      std::string one;
      std::string_view piece = bytes.substr(pos, len);
      if (convert(cd.get(), piece, one) != len || one.empty()) continue;
      gunichar c = g_utf8_get_char(one.c_str());
      if (is_escape(c) || g_utf8_strlen(one.c_str(), one.size()) != 1) break;
      try {
        std::string encoded;
        append_encoded(encoded, one);
        if (encoded != piece) break;
      } catch (const Error&) {
        break;
      }
      out += one;
      pos += len;
      taken = true;
    }
    if (!taken) append_undecoded(out, bytes, pos);
  }
  return out;
}

std::string CodePage::from_utf8(std::string_view utf8) const {
  std::string out;
  out.reserve(utf8.size());
  append_from_utf8(out, utf8);
  return out;
}

void CodePage::append_from_utf8(std::string& out, std::string_view utf8) const {
  if (!g_utf8_validate_len(utf8.data(), utf8.size(), nullptr)) {
    // A NUL is valid text here; only real malformations are refused.
    for (std::size_t start = 0; start <= utf8.size();) {
      std::size_t nul = utf8.find('\0', start);
      std::string_view part = utf8.substr(start, nul == std::string_view::npos ? std::string_view::npos : nul - start);
      if (!g_utf8_validate_len(part.data(), part.size(), nullptr)) throw Error("The text is not valid UTF-8");
      if (nul == std::string_view::npos) break;
      start = nul + 1;
    }
  }
  // Escapes turn back into their bytes; the runs between them go through iconv.
  std::size_t run = 0;
  for (std::size_t i = find_escape_range(utf8); i != std::string_view::npos; i = find_escape_range(utf8, run)) {
    append_encoded(out, utf8.substr(run, i - run));
    out += static_cast<char>(g_utf8_get_char(utf8.data() + i) - EscapeBase);
    run = g_utf8_next_char(utf8.data() + i) - utf8.data();
  }
  append_encoded(out, utf8.substr(run));
}

void CodePage::append_encoded(std::string& out, std::string_view utf8) const {
  if (utf8_ || utf8.empty()) {
    out.append(utf8);
    return;
  }
  Iconv cd = open_iconv(name_, "UTF-8");
  std::size_t done = convert(cd.get(), utf8, out);
  if (done < utf8.size()) {
    gunichar c = g_utf8_get_char_validated(utf8.data() + done, utf8.size() - done);
    char code[16];
    g_snprintf(code, sizeof code, "U+%04X", c);
    throw Error(std::string("The character ") + code + " cannot be written in code page " + name_);
  }
}

}  // namespace tagpad
