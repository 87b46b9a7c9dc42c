// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// Any bytes either read as a picture of the size its header gives or fail
// with libjpeg's message code; libjpeg's error exit never ends the process.
#include "core/error.h"
#include "core/jpeg_image.h"
#include "fuzz_input.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using tagpad::fuzz::check;
  // Headers may claim any size; decoding a giant picture tests memory, not the decoder.
  constexpr long MaxPixels = 1L << 22;
  try {
    tagpad::JpegImage image(std::vector<unsigned char>(data, data + size));
    check(image.width() > 0 && image.height() > 0, "a header without a size was accepted");
    if (static_cast<long>(image.width()) * image.height() > MaxPixels) return 0;
    const std::vector<unsigned char>& rgb = image.rgb();
    check(rgb.size() == static_cast<std::size_t>(image.width()) * image.height() * 3,
          "the pixels do not fill the picture");
    check(image.rgb().size() == rgb.size(), "a second read gave other pixels");
  } catch (const tagpad::Error& error) {
    check(std::string(error.what()).starts_with("JPEG error #"), "a failure that is not a JPEG error");
  }
  return 0;
}
