// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tagpad::fuzz {

/// Takes typed values off the front of a fuzzer's input; an exhausted input
/// gives zeros, so every input is a valid case.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return size_ == 0; }
  std::uint8_t byte() { return size_ ? (--size_, *data_++) : 0; }
  bool flag() { return byte() & 1; }
  /// A number from 0 to `most`.
  std::size_t upto(std::size_t most) { return (byte() | std::size_t{byte()} << 8) % (most + 1); }
  /// Up to `most` characters drawn from `alphabet`, one byte each.
  std::u32string chars(std::u32string_view alphabet, std::size_t most) {
    std::u32string out(upto(most), U'\0');
    for (char32_t& c : out) c = alphabet[byte() % alphabet.size()];
    return out;
  }
  /// Whatever is left, as bytes.
  std::string_view rest() {
    const std::string_view out(reinterpret_cast<const char*>(data_), size_);
    size_ = 0;
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

/// A finding: says what broke and aborts, which the fuzzer records as a crash.
[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

inline void check(bool holds, const char* what) {
  if (!holds) fail(what);
}

}  // namespace tagpad::fuzz
