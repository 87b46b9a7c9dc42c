// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/jpeg_session.h"

#include <memory>
#include <string>
#include <vector>

namespace tagpad {

/// The message of a libjpeg failure: "JPEG error #" and libjpeg's message code.
std::string jpeg_error_text(int message_code);

/// A JPEG picture held in memory and read with libjpeg: its header when it
/// is made, its pixels when they are first asked for.
class JpegImage {
 public:
  /// Reads the header; throws Error with jpeg_error_text() on a failure.
  explicit JpegImage(std::vector<unsigned char> data);
  ~JpegImage();
  JpegImage(const JpegImage&) = delete;
  JpegImage& operator=(const JpegImage&) = delete;

  int width() const { return header_.width; }
  int height() const { return header_.height; }
  /// Colour components in the file: 1 for greyscale, 3 for colour.
  int components() const { return header_.components; }
  bool grayscale() const { return header_.grayscale != 0; }
  bool progressive() const { return header_.progressive != 0; }

  /// The picture as rows of red, green and blue bytes, `width() * 3` bytes
  /// a row, decoded at the first call. A failure is thrown by that call
  /// alone; later calls give an empty buffer, so that a window drawing the
  /// picture again does not report it again.
  const std::vector<unsigned char>& rgb();

 private:
  struct SessionFree {
    void operator()(TagpadJpegSession* session) const { tagpad_jpeg_session_free(session); }
  };

  [[noreturn]] void fail() const;
  void decode();

  // Owned; the session reads from data_.
  std::vector<unsigned char> data_;
  std::unique_ptr<TagpadJpegSession, SessionFree> session_;
  TagpadJpegHeader header_{};
  bool decode_tried_ = false;
  std::vector<unsigned char> rgb_;
};

}  // namespace tagpad
