// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/jpeg_image.h"

#include "core/error.h"

#include <new>

namespace tagpad {

std::string jpeg_error_text(int message_code) { return "JPEG error #" + std::to_string(message_code); }

JpegImage::JpegImage(std::vector<unsigned char> data)
    : data_(std::move(data)), session_(tagpad_jpeg_session_new(data_.data(), data_.size())) {
  if (!session_) throw std::bad_alloc();
  if (!tagpad_jpeg_read_header(session_.get(), &header_)) fail();
}

JpegImage::~JpegImage() = default;

void JpegImage::fail() const { throw Error(jpeg_error_text(tagpad_jpeg_error_code(session_.get()))); }

const std::vector<unsigned char>& JpegImage::rgb() {
  if (!decode_tried_) {
    decode_tried_ = true;
    decode();
  }
  return rgb_;
}

void JpegImage::decode() {
  size_t row_bytes = 0;
  if (!tagpad_jpeg_start(session_.get(), &row_bytes)) fail();
  const size_t pixels = static_cast<size_t>(header_.width) * static_cast<size_t>(header_.height);
  std::vector<unsigned char> decoded(row_bytes * static_cast<size_t>(header_.height));
  if (!tagpad_jpeg_read_rows(session_.get(), decoded.data(), row_bytes)) fail();
  if (row_bytes == static_cast<size_t>(header_.width) * 3) {
    rgb_ = std::move(decoded);
    return;
  }
  // Greyscale comes one byte a pixel; libjpeg 6b cannot widen it itself.
  rgb_.resize(pixels * 3);
  for (size_t i = 0; i < pixels; ++i) rgb_[3 * i] = rgb_[3 * i + 1] = rgb_[3 * i + 2] = decoded[i];
}

}  // namespace tagpad
