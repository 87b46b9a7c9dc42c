// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// The About box's banner: our libjpeg decoder (header, then every row to
// RGB) against GdkPixbuf's loader decoding the same bytes, run alternately
// in one process. The figure is the ratio of the medians; goal: at most 1.5.
//
// Usage: bench_banner_decode [runs | --quick]   (no display needed)
#include "core/jpeg_image.h"
#include "gtk/unit2.h"
#include "harness/result.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <chrono>
#include <cstdlib>
#include <vector>

// Generated with the resource bundle.
extern "C" void tagpad_register_resource(void);

namespace {

using Clock = std::chrono::steady_clock;

template <typename Decode>
double microseconds(Decode decode) {
  const auto start = Clock::now();
  decode();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = tagpad::bench::repetitions(argc, argv, 200, 20);
  tagpad_register_resource();
  const std::vector<unsigned char> banner = tagpad::TForm2::banner_jpeg();

  std::vector<double> ours, theirs;
  for (int run = 0; run < runs; ++run) {
    ours.push_back(microseconds([&] {
      tagpad::JpegImage image(banner);
      if (image.rgb().empty()) std::abort();
    }));
    theirs.push_back(microseconds([&] {
      GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("jpeg", nullptr);
      if (!gdk_pixbuf_loader_write(loader, banner.data(), banner.size(), nullptr) ||
          !gdk_pixbuf_loader_close(loader, nullptr) || !gdk_pixbuf_loader_get_pixbuf(loader))
        std::abort();
      g_object_unref(loader);
    }));
  }
  // Baseline: GdkPixbuf's loader.
  tagpad::bench::report_ratio("banner_decode", tagpad::bench::median(ours), tagpad::bench::median(theirs), "us", 1.5);
  return 0;
}
