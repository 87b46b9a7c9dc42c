// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/jpeg_image.h"
#include "core/error.h"

#include <gtest/gtest.h>

// jpeglib.h needs size_t and FILE declared before it.
#include <cstdio>

#include <jpeglib.h>
// jerror.h after jpeglib.h: it needs its types.
#include <jerror.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tagpad {
namespace {

std::vector<unsigned char> shipped_banner() {
  std::ifstream file(TAGPAD_SOURCE_DIR "/src/gtk/about/banner.jpg", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A progressive greyscale picture, 8 by 8: black on the left, white on the right.
std::vector<unsigned char> progressive_grey_picture() {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = 8;
  info.image_height = 8;
  info.input_components = 1;
  info.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  unsigned char row[8] = {0, 0, 0, 0, 255, 255, 255, 255};
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[] = {row};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<unsigned char> data(buffer, buffer + size);
  std::free(buffer);
  return data;
}

// The message that reading `data` fails with, or "" when it does not fail.
std::string failure_of(std::vector<unsigned char> data) {
  try {
    JpegImage image(std::move(data));
    image.rgb();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

TEST(JpegImage, ShippedBannerIsABaselineColourPictureOfItsSize) {
  const std::vector<unsigned char> data = shipped_banner();
  ASSERT_GT(data.size(), 1000u);
  JpegImage banner(data);
  EXPECT_EQ(banner.width(), 464);
  EXPECT_EQ(banner.height(), 183);
  EXPECT_EQ(banner.components(), 3);
  EXPECT_FALSE(banner.grayscale());
  EXPECT_FALSE(banner.progressive());

  const std::vector<unsigned char>& rgb = banner.rgb();
  ASSERT_EQ(rgb.size(), 464u * 183u * 3u);
  // Blue at the top-left corner, away from the name and the emblem.
  EXPECT_GT(rgb[2], rgb[0] + 40);
  EXPECT_GT(rgb[2], rgb[1] + 20);
  // Decoded once: the second call hands back the same pixels.
  EXPECT_EQ(&banner.rgb(), &rgb);
}

TEST(JpegImage, BadDataFailsWithLibjpegsMessageCode) {
  const std::vector<unsigned char> banner = shipped_banner();
  ASSERT_GT(banner.size(), 1000u);

  EXPECT_EQ(failure_of({}), "JPEG error #" + std::to_string(JERR_INPUT_EMPTY));

  std::vector<unsigned char> wrong_marker = banner;
  wrong_marker[1] = 0xD9;  // an end-of-image marker where the start-of-image belongs
  EXPECT_EQ(failure_of(wrong_marker), "JPEG error #" + std::to_string(JERR_NO_SOI));

  // Cut inside the header and cut inside the picture data: the one fails
  // when the box is made, the other when it is first drawn.
  std::vector<unsigned char> header_cut(banner.begin(), banner.begin() + 100);
  EXPECT_EQ(failure_of(header_cut), "JPEG error #" + std::to_string(JERR_INPUT_EOF));
  std::vector<unsigned char> data_cut(banner.begin(), banner.begin() + banner.size() / 2);
  JpegImage half(data_cut);
  EXPECT_EQ(half.width(), 464);
  try {
    half.rgb();
    ADD_FAILURE() << "a picture cut in half decoded";
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), "JPEG error #" + std::to_string(JERR_INPUT_EOF));
  }
  // Reported once: drawing again shows nothing and raises nothing.
  EXPECT_TRUE(half.rgb().empty());
}

TEST(JpegImage, ProgressiveGreyscaleDecodesToGreyRgb) {
  JpegImage image(progressive_grey_picture());
  EXPECT_EQ(image.width(), 8);
  EXPECT_EQ(image.height(), 8);
  EXPECT_EQ(image.components(), 1);
  EXPECT_TRUE(image.grayscale());
  EXPECT_TRUE(image.progressive());

  const std::vector<unsigned char>& rgb = image.rgb();
  ASSERT_EQ(rgb.size(), 8u * 8u * 3u);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const unsigned char* pixel = &rgb[(y * 8 + x) * 3];
      EXPECT_EQ(pixel[0], pixel[1]);
      EXPECT_EQ(pixel[0], pixel[2]);
      if (x == 0) {
        EXPECT_LT(pixel[0], 24) << "row " << y;
      } else if (x == 7) {
        EXPECT_GT(pixel[0], 231) << "row " << y;
      }
    }
}

}  // namespace
}  // namespace tagpad

namespace tagpad {

TEST(JpegImage, BannerCutAtEveryOffsetFailsWithAJpegError) {
  const std::vector<unsigned char> banner = shipped_banner();
  ASSERT_GT(banner.size(), 1000u);
  const std::string prefix = "JPEG error #";
  for (std::size_t size = 0; size < banner.size(); ++size) {
    const std::string failure = failure_of({banner.begin(), banner.begin() + static_cast<std::ptrdiff_t>(size)});
    ASSERT_EQ(failure.substr(0, prefix.size()), prefix) << "cut at " << size << ": \"" << failure << '"';
  }
  EXPECT_EQ(failure_of(banner), "");
}

}  // namespace tagpad
