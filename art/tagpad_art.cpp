// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Draws the About box's banner and button glyph and the application icon
// from one emblem, and writes them into the source tree given as argument.
// The outputs are committed; run this only to change the artwork.
#include <cairo-svg.h>
#include <cairo.h>

// jpeglib.h needs size_t and FILE declared before it.
#include <cstdio>

#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

constexpr double Pi = std::numbers::pi;
constexpr int BannerWidth = 464;
constexpr int BannerHeight = 183;
constexpr int IconSizes[] = {16, 32, 48, 128, 256};

[[noreturn]] void die(const std::string& message) {
  std::fprintf(stderr, "tagpad_art: %s\n", message.c_str());
  std::exit(1);
}

Surface image_surface(cairo_format_t format, int width, int height) {
  return Surface(cairo_image_surface_create(format, width, height), cairo_surface_destroy);
}

Context context(cairo_surface_t* surface) { return Context(cairo_create(surface), cairo_destroy); }

void add_stops(cairo_pattern_t* pattern, std::initializer_list<std::pair<double, unsigned>> stops) {
  for (auto [offset, rgb] : stops)
    cairo_pattern_add_color_stop_rgb(pattern, offset, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                                     (rgb & 0xFF) / 255.0);
}

// A plus-shaped cross centred on the origin: arms `half_arm` thick on each
// side of the centre lines, reaching `half_size` out; corners rounded.
void cross_path(cairo_t* cr, double half_size, double half_arm, double radius) {
  const double h = half_size, a = half_arm;
  const double points[12][2] = {{-a, -h}, {a, -h}, {a, -a}, {h, -a}, {h, a},   {a, a},
                                {a, h},   {-a, h}, {-a, a}, {-h, a}, {-h, -a}, {-a, -a}};
  cairo_new_path(cr);
  for (int i = 0; i < 12; ++i) {
    const double* prev = points[(i + 11) % 12];
    const double* at = points[i];
    const double* next = points[(i + 1) % 12];
    auto toward = [&](const double* to) {
      const double dx = to[0] - at[0], dy = to[1] - at[1];
      const double length = std::abs(dx) + std::abs(dy);  // edges are axis-parallel
      return std::pair{at[0] + dx / length * radius, at[1] + dy / length * radius};
    };
    auto [x0, y0] = toward(prev);
    auto [x1, y1] = toward(next);
    if (i == 0)
      cairo_move_to(cr, x0, y0);
    else
      cairo_line_to(cr, x0, y0);
    cairo_curve_to(cr, at[0], at[1], at[0], at[1], x1, y1);
  }
  cairo_close_path(cr);
}

// The emblem: a polished steel cross standing out of the surface, lit from
// the top left, in a box `size` wide centred on the origin.
void draw_emblem(cairo_t* cr, double size, bool with_shadow) {
  const double h = size * 0.40, a = size * 0.135, r = size * 0.025;
  const double depth = size * 0.06, bevel = size * 0.045;
  cairo_save(cr);
  cairo_translate(cr, -depth / 2, -depth / 2);

  if (with_shadow) {
    for (int i = 6; i >= 1; --i) {
      cairo_save(cr);
      cairo_translate(cr, depth + size * 0.012 * i, depth + size * 0.016 * i);
      cross_path(cr, h + size * 0.006 * i, a + size * 0.006 * i, r);
      cairo_set_source_rgba(cr, 0, 0.02, 0.1, 0.07);
      cairo_fill(cr);
      cairo_restore(cr);
    }
  }

  // The sides: the cross pushed back step by step, darker with depth.
  const int steps = std::max(2, static_cast<int>(depth * 2));
  for (int i = steps; i >= 1; --i) {
    const double t = static_cast<double>(i) / steps;
    cairo_save(cr);
    cairo_translate(cr, depth * t, depth * t);
    cross_path(cr, h, a, r);
    const double shade = 0.42 - 0.22 * t;
    cairo_set_source_rgb(cr, shade * 0.92, shade * 0.97, shade * 1.05);
    cairo_fill(cr);
    cairo_restore(cr);
  }

  // The face: bright bands across it, as on polished metal.
  cairo_pattern_t* face = cairo_pattern_create_linear(-h, -h, h, h);
  add_stops(face,
            {{0.0, 0xFDFEFF}, {0.28, 0xC9D2DB}, {0.45, 0x8E99A6}, {0.55, 0xB8C2CC}, {0.72, 0xF2F5F8}, {1.0, 0x5F6B78}});
  cross_path(cr, h, a, r);
  cairo_set_source(cr, face);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(face);
  cairo_set_source_rgba(cr, 0.12, 0.16, 0.22, 0.85);
  cairo_set_line_width(cr, std::max(0.6, size * 0.006));
  cairo_stroke(cr);

  // The raised top: the face inset, lit the other way, so the rim between
  // reads as a bevel.
  cairo_pattern_t* top = cairo_pattern_create_linear(-h, -h * 0.3, h, h * 0.3);
  add_stops(top, {{0.0, 0xAEB8C3}, {0.35, 0xE9EEF3}, {0.5, 0xFFFFFF}, {0.62, 0xD3DAE1}, {1.0, 0x8893A0}});
  cross_path(cr, h - bevel, a - bevel, r * 0.6);
  cairo_set_source(cr, top);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(top);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
  cairo_set_line_width(cr, std::max(0.5, size * 0.005));
  cairo_stroke(cr);

  // A soft glint where the light falls.
  cairo_pattern_t* glint = cairo_pattern_create_radial(-a * 0.6, -a * 0.9, 0, -a * 0.6, -a * 0.9, h * 0.9);
  cairo_pattern_add_color_stop_rgba(glint, 0, 1, 1, 1, 0.55);
  cairo_pattern_add_color_stop_rgba(glint, 1, 1, 1, 1, 0);
  cross_path(cr, h - bevel, a - bevel, r * 0.6);
  cairo_set_source(cr, glint);
  cairo_fill(cr);
  cairo_pattern_destroy(glint);
  cairo_restore(cr);
}

void draw_banner(cairo_t* cr) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, BannerWidth, BannerHeight);
  add_stops(sky, {{0.0, 0x0A2463}, {0.55, 0x1747A6}, {1.0, 0x2E6FD8}});
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);

  // Faint source code behind everything.
  static const char* const Lines[] = {
      "<html>",
      "<head>",
      "  <meta charset=\"euc-kr\">",
      "  <title>Tagpad</title>",
      "</head>",
      "<body bgcolor=\"#ffffff\">",
      "  <table width=\"100%\" border=\"0\">",
      "    <tr><td align=\"center\">",
      "      <h1>Hello, HTML!</h1>",
      "      <p>Run it, see it.</p>",
      "    </td></tr>",
      "  </table>",
      "  <a href=\"index.html\">home</a>",
      "</body>",
      "</html>",
  };
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 10.5);
  cairo_set_source_rgba(cr, 0.75, 0.85, 1.0, 0.11);
  constexpr int LineCount = sizeof Lines / sizeof Lines[0];
  for (int column = 0; column < 2; ++column)
    for (int row = 0; row < 15; ++row) {
      cairo_move_to(cr, 8 + column * 236, 11 + row * 12.5);
      cairo_show_text(cr, Lines[(row + column * 7) % LineCount]);
    }

  // A glow behind the emblem.
  const double ex = 372, ey = 88;
  cairo_pattern_t* glow = cairo_pattern_create_radial(ex, ey, 0, ex, ey, 120);
  cairo_pattern_add_color_stop_rgba(glow, 0, 0.55, 0.75, 1.0, 0.45);
  cairo_pattern_add_color_stop_rgba(glow, 1, 0.55, 0.75, 1.0, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);

  cairo_save(cr);
  cairo_translate(cr, ex, ey);
  draw_emblem(cr, 170, true);
  cairo_restore(cr);

  // The name, with a shadow that lifts it off the code.
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 56);
  for (int i = 4; i >= 1; --i) {
    cairo_move_to(cr, 20 + i, 104 + i);
    cairo_set_source_rgba(cr, 0, 0.03, 0.15, 0.14);
    cairo_show_text(cr, "Tagpad");
  }
  cairo_move_to(cr, 20, 104);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_show_text(cr, "Tagpad");

  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 13);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_move_to(cr, 24, 130);
  cairo_show_text(cr, "HTML  TAG  EDITOR");
}

// The close button's glyph: a black check mark in a black square on white.
void draw_glyph(cairo_t* cr) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 1.5, 1.5, 12, 12);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 4, 7);
  cairo_line_to(cr, 7, 10);
  cairo_line_to(cr, 12, 4);
  cairo_stroke(cr);
}

// A baseline JPEG with three colour components.
void write_jpeg(cairo_surface_t* surface, const fs::path& path) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);

  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) die("cannot write " + path.string());
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);  // libjpeg's own exit on failure is fine for a tool
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 92, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(width * 3);
  while (info.next_scanline < info.image_height) {
    const auto* pixel = reinterpret_cast<const uint32_t*>(data + info.next_scanline * stride);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = (pixel[x] >> 16) & 0xFF;
      row[3 * x + 1] = (pixel[x] >> 8) & 0xFF;
      row[3 * x + 2] = pixel[x] & 0xFF;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  if (std::fclose(file) != 0) die("cannot write " + path.string());
}

void write_png(cairo_surface_t* surface, const fs::path& path) {
  if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS) die("cannot write " + path.string());
}

// The emblem on a tile of the banner's blue, so that it reads on light and
// dark desktops alike.
void draw_icon(cairo_t* cr, double size) {
  const double margin = std::max(0.5, size * 0.04), tile = size - 2 * margin, radius = tile * 0.2;
  cairo_new_path(cr);
  cairo_arc(cr, margin + tile - radius, margin + radius, radius, -Pi / 2, 0);
  cairo_arc(cr, margin + tile - radius, margin + tile - radius, radius, 0, Pi / 2);
  cairo_arc(cr, margin + radius, margin + tile - radius, radius, Pi / 2, Pi);
  cairo_arc(cr, margin + radius, margin + radius, radius, Pi, 3 * Pi / 2);
  cairo_close_path(cr);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, size, size);
  add_stops(sky, {{0.0, 0x0A2463}, {0.55, 0x1747A6}, {1.0, 0x2E6FD8}});
  cairo_set_source(cr, sky);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(sky);
  cairo_clip(cr);
  cairo_translate(cr, size / 2, size / 2);
  draw_emblem(cr, tile * 0.9, size >= 48);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) die("usage: tagpad_art SOURCE-DIRECTORY");
  const fs::path root = argv[1];
  const fs::path about = root / "src/gtk/about";
  const fs::path icons = root / "data/icons/hicolor";
  fs::create_directories(about);

  auto banner = image_surface(CAIRO_FORMAT_RGB24, BannerWidth, BannerHeight);
  draw_banner(context(banner.get()).get());
  write_jpeg(banner.get(), about / "banner.jpg");

  auto glyph = image_surface(CAIRO_FORMAT_RGB24, 16, 16);
  draw_glyph(context(glyph.get()).get());
  write_png(glyph.get(), about / "glyph.png");

  for (int size : IconSizes) {
    const fs::path folder = icons / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder);
    auto icon = image_surface(CAIRO_FORMAT_ARGB32, size, size);
    draw_icon(context(icon.get()).get(), size);
    write_png(icon.get(), folder / "org.tagpad.Tagpad.png");
  }
  const fs::path scalable = icons / "scalable/apps";
  fs::create_directories(scalable);
  Surface svg(cairo_svg_surface_create((scalable / "org.tagpad.Tagpad.svg").c_str(), 256, 256), cairo_surface_destroy);
  draw_icon(context(svg.get()).get(), 256);
  cairo_surface_finish(svg.get());
  if (cairo_surface_status(svg.get()) != CAIRO_STATUS_SUCCESS) die("cannot write the scalable icon");
  return 0;
}
