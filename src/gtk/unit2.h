// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/jpeg_image.h"

#include <gdkmm/pixbuf.h>
#include <glibmm/main.h>
#include <gtkmm/builder.h>
#include <gtkmm/button.h>
#include <gtkmm/drawingarea.h>
#include <gtkmm/fixed.h>
#include <gtkmm/frame.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <memory>
#include <vector>

namespace tagpad {

/// The About box: the banner picture, a few lines about the program and
/// a close button. Shown modally, once per instance.
class TForm2 : public Gtk::Window {
 public:
  enum class ModalResult { None, Cancel };

  /// The shipped banner picture, a JPEG from the resources.
  static std::vector<unsigned char> banner_jpeg();

  /// Reads the banner's header before building the window, so that a bad
  /// picture leaves no window behind: throws Error "JPEG error #N".
  static std::unique_ptr<TForm2> create(Gtk::Window* owner, std::vector<unsigned char> banner = banner_jpeg());

  TForm2(BaseObjectType* object, const Glib::RefPtr<Gtk::Builder>& builder, Gtk::Window* owner,
         std::unique_ptr<JpegImage> banner);
  ~TForm2() override;

  /// Shows the box with the other windows disabled and returns when it
  /// closes, hidden again.
  ModalResult ShowModal();

  // Handlers
  void BitBtn1Click();

  // From unit2.ui, owned by the window
  Gtk::DrawingArea& Image1;
  Gtk::Fixed& GroupBox1;
  Gtk::Frame& GroupBox1Frame;
  Gtk::Label& Label1;
  Gtk::Label& Label2;
  Gtk::Label& Label3;
  Gtk::Label& Label4;
  Gtk::Label& Label5;
  Gtk::Button& BitBtn1;

 private:
  void set_glyph(Gtk::Image& image);
  bool on_image1_draw(const Cairo::RefPtr<Cairo::Context>& cr);
  Glib::RefPtr<Gdk::Pixbuf> decoded_banner();
  bool on_delete(GdkEventAny*);
  void close_modal();

  // Owned
  std::unique_ptr<JpegImage> banner_;
  Glib::RefPtr<Gdk::Pixbuf> banner_pixels_;
  Glib::RefPtr<Glib::MainLoop> modal_loop_;
  ModalResult modal_result_ = ModalResult::None;
};

}  // namespace tagpad
