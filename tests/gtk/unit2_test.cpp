// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/unit2.h"
#include "core/error.h"
#include "form_fixture.h"
#include "support/key_press.h"

#include <gdkmm/pixbuf.h>
#include <glibmm/main.h>
#include <gtkmm/image.h>
#include <jerror.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace tagpad {
namespace {

// The About box on the screen, if any.
TForm2* mapped_about_box() {
  for (Gtk::Window* window : Gtk::Window::list_toplevels())
    if (window->get_name() == "TForm2" && window->get_mapped()) return dynamic_cast<TForm2*>(window);
  return nullptr;
}

int about_boxes() {
  int count = 0;
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) count += window->get_name() == "TForm2";
  return count;
}

// Where a widget lies in another's coordinates: left, top, width, height.
std::vector<int> place(Gtk::Widget& widget, Gtk::Widget& relative_to) {
  int x = -1, y = -1;
  widget.translate_coordinates(relative_to, 0, 0, x, y);
  return {x, y, widget.get_allocated_width(), widget.get_allocated_height()};
}

void collect_focusable(Gtk::Widget& root, std::vector<std::string>& names) {
  if (root.get_can_focus()) names.push_back(root.get_name());
  if (auto* container = dynamic_cast<Gtk::Container*>(&root))
    for (Gtk::Widget* child : container->get_children()) collect_focusable(*child, names);
}

// A pixel of a shown window, as the screen has it.
guint32 screen_pixel(Gtk::Window& window, int x, int y) {
  auto pixel = Gdk::Pixbuf::create(window.get_window(), x, y, 1, 1);
  const guint8* p = pixel->get_pixels();
  return guint32(p[0]) << 16 | guint32(p[1]) << 8 | p[2];
}

guint32 banner_pixel(const std::vector<unsigned char>& rgb, int x, int y) {
  const unsigned char* p = &rgb[(y * 464 + x) * 3];
  return guint32(p[0]) << 16 | guint32(p[1]) << 8 | p[2];
}

// Runs the about command, with `steps` run one after another from the main
// loop while it waits for the box; each step gets the box shown, or null.
// A watchdog closes a box left open, so that a fault fails the test rather
// than hanging it.
void run_about_command(TForm1& form, std::vector<std::function<void(TForm2*)>> steps) {
  size_t next = 0;
  sigc::connection pending;
  std::function<void()> schedule = [&] {
    pending = Glib::signal_idle().connect([&] {
      TForm2* box = nullptr;
      EXPECT_TRUE(iterate_until([&] { return (box = mapped_about_box()) != nullptr; }));
      steps[next++](box);
      if (next < steps.size()) schedule();
      return false;
    });
  };
  schedule();
  bool watchdog_fired = false;
  sigc::connection watchdog = Glib::signal_timeout().connect_seconds(
      [&] {
        watchdog_fired = true;
        if (TForm2* box = mapped_about_box()) box->BitBtn1Click();
        return true;
      },
      30);
  TForm1::Testing(form).commands.command(CommandId::Action6).execute();
  pending.disconnect();
  watchdog.disconnect();
  EXPECT_FALSE(watchdog_fired) << "the box stayed open";
  EXPECT_EQ(next, steps.size()) << "the box closed too early";
}

TEST_F(FormTest, AboutCommandShowsAFreshModalBoxEachTimeNeverTheOneOfStartUp) {
  auto Form2 = TForm2::create(nullptr);
  bool startup_box_mapped = false;
  Form2->signal_map().connect([&] { startup_box_mapped = true; });
  ASSERT_TRUE(iterate_until([&] { return form->get_mapped(); }));

  std::vector<GtkWidget*> boxes_seen;
  int destroyed = 0;
  auto check_and_press_esc = [&](TForm2* box) {
    ASSERT_TRUE(box);
    EXPECT_NE(box, Form2.get());
    boxes_seen.push_back(GTK_WIDGET(box->gobj()));
    g_object_weak_ref(
        G_OBJECT(box->gobj()), [](gpointer count, GObject*) { ++*static_cast<int*>(count); }, &destroyed);
    int x = -1, y = -1;
    box->get_window()->get_root_origin(x, y);
    EXPECT_EQ(x, 724);
    EXPECT_EQ(y, 289);
    EXPECT_TRUE(box->get_modal());
    // The box holds the input: the main window takes none while it is shown.
    EXPECT_EQ(gtk_grab_get_current(), GTK_WIDGET(box->gobj()));
    EXPECT_EQ(box->get_transient_for(), form.get());
    EXPECT_EQ(box->get_focus(), &box->BitBtn1);
    type_key(*box, GDK_KEY_Escape, GDK_CURRENT_TIME);
  };
  auto still_open_press_enter = [&](TForm2* box) {
    ASSERT_TRUE(box) << "Esc closed the box";
    EXPECT_EQ(GTK_WIDGET(box->gobj()), boxes_seen.back());
    type_key(*box, GDK_KEY_Return, GDK_CURRENT_TIME);
  };

  run_about_command(*form, {check_and_press_esc, still_open_press_enter});
  EXPECT_EQ(destroyed, 1);
  run_about_command(*form, {check_and_press_esc, still_open_press_enter});
  EXPECT_EQ(destroyed, 2);
  // The first was gone before the second was made: two windows, not one shown twice.
  EXPECT_EQ(boxes_seen.size(), 2u);
  EXPECT_EQ(about_boxes(), 1);  // only the one of start-up is left
  EXPECT_FALSE(startup_box_mapped);
  EXPECT_FALSE(Form2->get_mapped());
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(FormTest, AboutBoxClosesByItsCloseBoxAndByASpaceOnTheButton) {
  run_about_command(*form, {[](TForm2* box) {
    ASSERT_TRUE(box);
    GdkEvent* close = gdk_event_new(GDK_DELETE);
    close->any.window = GDK_WINDOW(g_object_ref(box->get_window()->gobj()));
    gtk_main_do_event(close);
    gdk_event_free(close);
  }});
  run_about_command(*form, {[](TForm2* box) {
    ASSERT_TRUE(box);
    type_key(*box, GDK_KEY_space, GDK_CURRENT_TIME);
  }});
  EXPECT_EQ(about_boxes(), 0);
}

TEST_F(FormTest, AboutBoxLaysOutItsElements) {
  auto box = TForm2::create(form.get());
  box->show();
  ASSERT_TRUE(iterate_until([&] { return box->get_mapped(); }));

  EXPECT_EQ(box->get_title(), "프로그램정보");
  EXPECT_FALSE(box->get_resizable());
  EXPECT_EQ(box->get_type_hint(), Gdk::WINDOW_TYPE_HINT_DIALOG);
  EXPECT_EQ(box->get_allocated_width(), 458);
  EXPECT_EQ(box->get_allocated_height(), 385);
  EXPECT_EQ(place(box->Image1, *box), (std::vector<int>{0, 0, 464, 184}));
  EXPECT_EQ(place(box->GroupBox1, *box), (std::vector<int>{8, 192, 441, 185}));
  EXPECT_EQ(place(box->GroupBox1Frame, box->GroupBox1), (std::vector<int>{0, 0, 441, 185}));
  EXPECT_EQ(box->GroupBox1Frame.get_label(), " 프로그램정보 ");
  EXPECT_EQ(place(box->BitBtn1, box->GroupBox1), (std::vector<int>{344, 144, 75, 25}));

  const struct {
    Gtk::Label& label;
    int top;
    const char* text;
  } labels[] = {
      {box->Label1, 24, "이 프로그램은 사용자가 HTML TAG를 입력하고 그 결과를 볼수 있도록"},
      {box->Label2, 48, "만든 프로그램입니다   현재 WindowXP를 지원하며   Window98에서는 "},
      {box->Label3, 72, "HTML 소스보기에서 문제가 발생합니다.  수정이나  업그레이드 계획은"},
      {box->Label4, 96, "전혀없으며, 본 프로그램은 누구나 자유롭게 사용이 가능합니다. "},
      {box->Label5, 120, "만든이 : Tagpad 개발팀  E-Mail : dev@tagpad.org"},
  };
  for (const auto& [label, top, text] : labels) {
    EXPECT_EQ(label.get_text(), text);
    const std::vector<int> at = place(label, box->GroupBox1);
    EXPECT_EQ(at[0], 27) << text;
    EXPECT_EQ(at[1], top) << text;
    // Sized to the text: nothing cut off, and inside the group.
    int minimum = 0, natural = 0;
    label.get_preferred_width(minimum, natural);
    EXPECT_EQ(at[2], natural) << text;
    EXPECT_LE(at[0] + at[2], 441) << text;
  }
  const auto font = box->Label1.get_style_context()->get_font();
  EXPECT_EQ(font.get_family().raw().rfind("굴림", 0), 0u) << font.get_family();
  EXPECT_EQ(font.get_size(), 9 * PANGO_SCALE);  // 12 pixels at 96 dots per inch

  // The button: the only focus, no default; its glyph's white shows the face.
  std::vector<std::string> focusable;
  collect_focusable(*box, focusable);
  EXPECT_EQ(focusable, (std::vector<std::string>{"BitBtn1"}));
  EXPECT_FALSE(box->BitBtn1.get_can_default());
  EXPECT_FALSE(box->BitBtn1.get_receives_default());
  EXPECT_EQ(box->get_default_widget(), nullptr);
  auto* glyph =
      dynamic_cast<Gtk::Image*>(dynamic_cast<Gtk::Container*>(box->BitBtn1.get_child())->get_children().front());
  auto caption =
      dynamic_cast<Gtk::Label*>(dynamic_cast<Gtk::Container*>(box->BitBtn1.get_child())->get_children().back());
  ASSERT_TRUE(glyph && caption);
  EXPECT_EQ(caption->get_text(), "확 인");
  auto pixels = glyph->get_pixbuf();
  ASSERT_TRUE(pixels && pixels->get_has_alpha());
  ASSERT_EQ(pixels->get_width(), 16);
  ASSERT_EQ(pixels->get_height(), 16);
  auto alpha = [&](int x, int y) { return pixels->get_pixels()[y * pixels->get_rowstride() + x * 4 + 3]; };
  EXPECT_EQ(alpha(0, 15), 0);   // white corner
  EXPECT_EQ(alpha(1, 1), 255);  // black outline
  // Glyph, 4 pixels, caption, centred together on the button.
  const std::vector<int> glyph_at = place(*glyph, box->BitBtn1), caption_at = place(*caption, box->BitBtn1);
  EXPECT_EQ(caption_at[0] - (glyph_at[0] + 16), 4);
  EXPECT_LE(std::abs(glyph_at[0] - (75 - (caption_at[0] + caption_at[2]))), 1);
}

TEST_F(FormTest, AboutBoxDrawsTheBannerAtItsNaturalSizeCutAtTheRightEdge) {
  auto box = TForm2::create(form.get());
  box->show();
  ASSERT_TRUE(iterate_until([&] { return box->get_mapped(); }));
  JpegImage banner(TForm2::banner_jpeg());
  const std::vector<unsigned char>& rgb = banner.rgb();
  // Drawn once the window has been painted.
  ASSERT_TRUE(iterate_until([&] { return screen_pixel(*box, 1, 1) == banner_pixel(rgb, 1, 1); }));
  for (auto [x, y] : {std::pair{0, 0}, {230, 90}, {457, 0}, {457, 182}, {0, 182}})
    EXPECT_EQ(screen_pixel(*box, x, y), banner_pixel(rgb, x, y)) << x << "," << y;
  // The row below the picture shows the window's background, as between
  // the picture and the group.
  const guint32 background = screen_pixel(*box, 4, 188);
  EXPECT_NE(background, banner_pixel(rgb, 4, 182));
  for (int x : {0, 200, 457}) EXPECT_EQ(screen_pixel(*box, x, 183), background) << x;
}

TEST_F(FormTest, ABadBannerIsReportedAndKeepsTheBoxFromShowing) {
  std::vector<unsigned char> data = TForm2::banner_jpeg();
  data.resize(100);  // cut inside the header
  try {
    TForm2::create(form.get(), data);
    ADD_FAILURE() << "a box was made with a broken banner";
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), "JPEG error #" + std::to_string(JERR_INPUT_EOF));
  }
  EXPECT_EQ(about_boxes(), 0);
}

TEST_F(FormTest, ABannerFailingToDecodeIsReportedOnceAfterTheDrawing) {
  std::vector<unsigned char> data = TForm2::banner_jpeg();
  data.resize(data.size() / 2);  // the header whole, the picture cut
  auto box = TForm2::create(form.get(), data);
  int draws = 0;
  size_t errors_at_first_draw = 0;
  // Runs after the box's own drawing handler, in the same pass.
  box->Image1.signal_draw().connect([&](const Cairo::RefPtr<Cairo::Context>&) {
    if (++draws == 1) errors_at_first_draw = boxes.errors.size();
    return false;
  });
  box->show();
  ASSERT_TRUE(iterate_until([&] { return !boxes.errors.empty(); }));
  EXPECT_EQ(boxes.errors, (std::vector<std::string>{"JPEG error #" + std::to_string(JERR_INPUT_EOF) + "."}));
  EXPECT_EQ(errors_at_first_draw, 0u) << "a message box ran inside the drawing pass";
  const int drawn = draws;
  box->Image1.queue_draw();
  ASSERT_TRUE(iterate_until([&] { return draws > drawn; }));
  ASSERT_TRUE(settle());
  EXPECT_EQ(boxes.errors.size(), 1u);
}

}  // namespace
}  // namespace tagpad
