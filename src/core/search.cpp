// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/search.h"

#include <glib.h>

#include <algorithm>
#include <stdexcept>

namespace tagpad {

namespace {

// Reads stop doubling here so that a long search keeps a bounded window.
constexpr std::size_t MaxRead = std::size_t{1} << 20;

bool is_word_char(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

char32_t compared(char32_t c, bool match_case) {
  if (match_case) return c;
  // Most source text is ASCII; spare it the table lookup.
  if (c < 0x80) return c >= U'a' && c <= U'z' ? c - (U'a' - U'A') : c;
  return g_unichar_toupper(c);
}

// Appends the characters of `utf8` as they are compared; returns how many.
std::size_t append_compared(std::u32string& out, std::string_view utf8, bool match_case) {
  const std::size_t before = out.size();
  const char* p = utf8.data();
  const char* const end = p + utf8.size();
  while (p < end) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte < 0x80) {
      out.push_back(compared(byte, match_case));
      ++p;
    } else {
      out.push_back(compared(g_utf8_get_char(p), match_case));
      p = g_utf8_next_char(p);
    }
  }
  return out.size() - before;
}

}  // namespace

Search::Search(SearchableText& target, std::string_view text, Direction direction, SearchOptions options,
               std::size_t first_read)
    : target_(target), direction_(direction), options_(options), next_read_(std::max<std::size_t>(first_read, 1)) {
  append_compared(text_, text, options_.match_case);
}

bool Search::find_next() {
  const std::size_t k = text_.size();
  const std::size_t n = target_.length();
  if (k == 0 || n == 0) return false;
  const std::size_t p = target_.selection_start();
  const std::size_t q = target_.selection_length();
  std::size_t candidate;
  std::size_t origin;
  if (direction_ == Direction::Down) {
    candidate = p + q;
    if (candidate + k > n) return false;
    origin = candidate;
  } else {
    if (p < k) return false;
    candidate = p - k;
    // The character at p decides a whole-word match of the first candidate.
    origin = std::min(n, p + 1);
  }
  if (origin < lo_ || origin > hi_) {
    window_.clear();
    first_ = 0;
    lo_ = hi_ = origin;
  }
  do {
    if (matches_at(candidate, n)) {
      match_ = candidate;
      target_.set_selection(candidate, k);
      return true;
    }
  } while (next_candidate(candidate, n));
  return false;
}

void Search::replace_match(std::string_view replacement) {
  const auto inserted = static_cast<std::size_t>(g_utf8_strlen(replacement.data(), replacement.size()));
  target_.replace_selection(replacement);
  // The text after the match is unchanged, only shifted: keep it so that
  // Replace all reads each character about once.
  const std::size_t end = match_ + text_.size();
  first_ += end - lo_;
  lo_ = match_ + inserted;
  hi_ = lo_ + (hi_ - end);
}

bool Search::matches_at(std::size_t position, std::size_t length) {
  const std::size_t k = text_.size();
  for (std::size_t j = 0; j < k; ++j) {
    if (at(position + j) != text_[j]) return false;
  }
  return !options_.whole_word || position + k == length || !is_word_char(at(position + k));
}

bool Search::next_candidate(std::size_t& position, std::size_t length) {
  const std::size_t k = text_.size();
  if (!options_.whole_word) {
    if (direction_ == Direction::Down) return ++position + k <= length;
    if (position == 0) return false;
    --position;
    return true;
  }
  std::size_t i = position;
  if (direction_ == Direction::Down) {
    while (i < length && is_word_char(at(i))) ++i;
    while (i < length && !is_word_char(at(i))) ++i;
    if (i + k > length) return false;
  } else {
    while (i > 0 && !is_word_char(at(i - 1))) --i;
    while (i > 0 && is_word_char(at(i - 1))) --i;
    // Only delimiters were left before the old position.
    if (i == position || !is_word_char(at(i))) return false;
  }
  position = i;
  return true;
}

char32_t Search::at(std::size_t position) {
  if (position < lo_ || position >= hi_) read_around(position);
  return window_[first_ + (position - lo_)];
}

void Search::read_around(std::size_t position) {
  // A candidate looks at most k + 1 characters ahead of where it starts, so
  // keeping that many of the old window finds matches across a boundary.
  const std::size_t keep = text_.size() + 1;
  const std::size_t count = next_read_;
  next_read_ = std::min(next_read_ * 2, std::max(MaxRead, next_read_));
  std::u32string fresh;
  std::size_t from;
  std::size_t to;
  std::size_t decoded;
  if (position >= hi_) {
    const std::size_t keep_from = std::max(lo_, hi_ - std::min(hi_, keep));
    from = hi_;
    to = std::min(target_.length(), std::max(position + 1, hi_ + count));
    fresh.assign(window_, first_ + (keep_from - lo_), hi_ - keep_from);
    decoded = append_compared(fresh, target_.read(from, to - from), options_.match_case);
    lo_ = keep_from;
    hi_ = to;
  } else {
    const std::size_t keep_to = std::min(hi_, lo_ + keep);
    from = std::min(position, lo_ - std::min(lo_, count));
    to = lo_;
    decoded = append_compared(fresh, target_.read(from, to - from), options_.match_case);
    fresh.append(window_, first_, keep_to - lo_);
    lo_ = from;
    hi_ = keep_to;
  }
  if (decoded != to - from) throw std::logic_error("SearchableText::read returned the wrong number of characters");
  window_ = std::move(fresh);
  first_ = 0;
}

std::string not_found_message(std::string_view text) {
  std::string message = "Text not found: \"";
  message.append(text).append("\"");
  return message;
}

}  // namespace tagpad
