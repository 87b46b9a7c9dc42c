// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/unit2.h"

#include "core/error.h"
#include "gtk/builder_widget.h"

#include <gdkmm/general.h>
#include <giomm/resource.h>
#include <gtkmm/image.h>

#include <string>

namespace tagpad {
namespace {

constexpr const char* Ui = "unit2.ui";
constexpr int Left = 724;
constexpr int Top = 289;

}  // namespace

std::vector<unsigned char> TForm2::banner_jpeg() {
  auto bytes = Gio::Resource::lookup_data_global("/org/tagpad/about/banner.jpg");
  gsize size = 0;
  const auto* data = static_cast<const unsigned char*>(bytes->get_data(size));
  return {data, data + size};
}

std::unique_ptr<TForm2> TForm2::create(Gtk::Window* owner, std::vector<unsigned char> banner) {
  auto image = std::make_unique<JpegImage>(std::move(banner));
  auto builder = Gtk::Builder::create_from_resource("/org/tagpad/unit2.ui");
  TForm2* form = nullptr;
  builder->get_widget_derived("TForm2", form, owner, std::move(image));
  return std::unique_ptr<TForm2>(form);
}

TForm2::TForm2(BaseObjectType* object, const Glib::RefPtr<Gtk::Builder>& builder, Gtk::Window* owner,
               std::unique_ptr<JpegImage> banner)
    : Gtk::Window(object),
      Image1(widget<Gtk::DrawingArea>(builder, Ui, "Image1")),
      GroupBox1(widget<Gtk::Fixed>(builder, Ui, "GroupBox1")),
      GroupBox1Frame(widget<Gtk::Frame>(builder, Ui, "GroupBox1Frame")),
      Label1(widget<Gtk::Label>(builder, Ui, "Label1")),
      Label2(widget<Gtk::Label>(builder, Ui, "Label2")),
      Label3(widget<Gtk::Label>(builder, Ui, "Label3")),
      Label4(widget<Gtk::Label>(builder, Ui, "Label4")),
      Label5(widget<Gtk::Label>(builder, Ui, "Label5")),
      BitBtn1(widget<Gtk::Button>(builder, Ui, "BitBtn1")),
      banner_(std::move(banner)) {
  name_widgets_after_ids(builder);
  if (owner) set_transient_for(*owner);
  move(Left, Top);
  set_glyph(widget<Gtk::Image>(builder, Ui, "BitBtn1Glyph"));
  BitBtn1.grab_focus();
  Image1.signal_draw().connect(sigc::mem_fun(*this, &TForm2::on_image1_draw));
  BitBtn1.signal_clicked().connect(sigc::mem_fun(*this, &TForm2::BitBtn1Click));
  signal_delete_event().connect(sigc::mem_fun(*this, &TForm2::on_delete), false);
  // However the box goes away, a modal show of it ends.
  signal_hide().connect([this] {
    if (modal_loop_) modal_loop_->quit();
  });
  // A dialog border: the title bar offers only the close box.
  signal_realize().connect([this] {
    get_window()->set_functions(Gdk::FUNC_MOVE | Gdk::FUNC_CLOSE);
    get_window()->set_decorations(Gdk::DECOR_BORDER | Gdk::DECOR_TITLE);
  });
}

TForm2::~TForm2() = default;

void TForm2::set_glyph(Gtk::Image& image) {
  // The colour of the bottom-left pixel is drawn transparent.
  auto glyph = Gdk::Pixbuf::create_from_resource("/org/tagpad/about/glyph.png");
  const guint8* corner = glyph->get_pixels() + (glyph->get_height() - 1) * glyph->get_rowstride();
  image.set(glyph->add_alpha(true, corner[0], corner[1], corner[2]));
}

TForm2::ModalResult TForm2::ShowModal() {
  modal_result_ = ModalResult::None;
  set_modal(true);
  modal_loop_ = Glib::MainLoop::create();
  show();
  if (get_visible()) modal_loop_->run();
  modal_loop_.reset();
  set_modal(false);
  hide();
  return modal_result_;
}

void TForm2::close_modal() {
  modal_result_ = ModalResult::Cancel;
  if (modal_loop_) modal_loop_->quit();
}

void TForm2::BitBtn1Click() { close_modal(); }

bool TForm2::on_delete(GdkEventAny*) {
  close_modal();
  return true;
}

bool TForm2::on_image1_draw(const Cairo::RefPtr<Cairo::Context>& cr) {
  if (!banner_pixels_) banner_pixels_ = decoded_banner();
  if (banner_pixels_) {
    Gdk::Cairo::set_source_pixbuf(cr, banner_pixels_, 0, 0);
    cr->rectangle(0, 0, banner_pixels_->get_width(), banner_pixels_->get_height());
    cr->fill();
  }
  return false;
}

Glib::RefPtr<Gdk::Pixbuf> TForm2::decoded_banner() {
  try {
    const std::vector<unsigned char>& rgb = banner_->rgb();
    if (rgb.empty()) return {};
    return Gdk::Pixbuf::create_from_data(rgb.data(), Gdk::COLORSPACE_RGB, false, 8, banner_->width(), banner_->height(),
                                         banner_->width() * 3);
  } catch (const Error& error) {
    // A message box cannot run inside a drawing pass: report the failure
    // once the pass is over.
    Glib::signal_idle().connect_once([message = std::string(error.what())] { throw Error(message); });
    return {};
  }
}

}  // namespace tagpad
