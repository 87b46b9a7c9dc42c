// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/replacing_copy.h"

#include <glib.h>

#include <stdexcept>
#include <utility>

namespace tagpad {
namespace {

std::size_t characters_in(std::string_view text) {
  return static_cast<std::size_t>(g_utf8_strlen(text.data(), static_cast<gssize>(text.size())));
}

}  // namespace

ReplacingCopy::ReplacingCopy(std::string text, std::size_t selection_start, std::size_t selection_length)
    : original_(std::move(text)),
      original_length_(characters_in(original_)),
      selection_start_(selection_start),
      selection_length_(selection_length) {}

std::size_t ReplacingCopy::length() const { return front_length_ + (original_length_ - consumed_); }

const char* ReplacingCopy::original_at(std::size_t position) const {
  const char* at = g_utf8_offset_to_pointer(original_.data() + cursor_bytes_,
                                            static_cast<glong>(position) - static_cast<glong>(cursor_));
  cursor_ = position;
  cursor_bytes_ = static_cast<std::size_t>(at - original_.data());
  return at;
}

std::string ReplacingCopy::read(std::size_t start, std::size_t count) const {
  std::string out;
  if (start < front_length_) {
    const std::size_t from_front = std::min(count, front_length_ - start);
    const char* from = g_utf8_offset_to_pointer(front_.data(), static_cast<glong>(start));
    const char* to = g_utf8_offset_to_pointer(from, static_cast<glong>(from_front));
    out.assign(from, static_cast<std::size_t>(to - from));
    start += from_front;
    count -= from_front;
  }
  if (count == 0) return out;
  const std::size_t position = consumed_ + (start - front_length_);
  const char* from = original_at(position);
  const char* to = original_at(position + count);
  return out.append(from, static_cast<std::size_t>(to - from));
}

void ReplacingCopy::set_selection(std::size_t start, std::size_t length) {
  selection_start_ = start;
  selection_length_ = length;
}

void ReplacingCopy::replace_selection(std::string_view text) {
  if (selection_start_ < front_length_) throw std::logic_error("ReplacingCopy replaces only downwards");
  const std::size_t start = consumed_ + (selection_start_ - front_length_);
  const char* from = original_.data() + consumed_bytes_;
  const char* kept_to = original_at(start);
  front_.append(from, static_cast<std::size_t>(kept_to - from));
  front_.append(text);
  const char* end = original_at(start + selection_length_);
  front_length_ += (start - consumed_) + characters_in(text);
  consumed_ = start + selection_length_;
  consumed_bytes_ = static_cast<std::size_t>(end - original_.data());
  selection_start_ = front_length_;
  selection_length_ = 0;
}

std::string ReplacingCopy::text() const { return front_ + original_.substr(consumed_bytes_); }

}  // namespace tagpad
