// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/gtk_message_boxes.h"
#include "gtk/toolkit_setup.h"
#include "support/dialog_widgets.h"

#include <glibmm/main.h>
#include <gtest/gtest.h>
#include <gtkmm/image.h>
#include <gtkmm/messagedialog.h>

#include <functional>
#include <string>

namespace tagpad {
namespace {

// What a message box showed once it was on the screen.
struct Shown {
  bool answered = false;
  std::string title;
  std::string icon;  // the icon name of the image shown, empty for none
};

// Shows a box, waits for it to be mapped, notes what it shows and presses OK.
Shown show_and_answer(const std::function<void()>& show) {
  Shown shown;
  const gint64 deadline = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
  auto look = Glib::signal_idle().connect([&] {
    for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
      auto* box = dynamic_cast<Gtk::MessageDialog*>(window);
      if (!box || !box->get_mapped()) continue;
      shown.title = box->get_title();
      for (Gtk::Image* image : all_of<Gtk::Image>(*box))
        if (image->get_mapped() && image->get_storage_type() == Gtk::IMAGE_ICON_NAME)
          shown.icon = image->get_icon_name();
      shown.answered = true;
      box->response(Gtk::RESPONSE_OK);
      return false;
    }
    return g_get_monotonic_time() < deadline;
  });
  show();
  look.disconnect();
  return shown;
}

TEST(GtkMessageBoxes, AnErrorShowsTheErrorIconAndAPlainBoxNone) {
  prepare_toolkit();
  GtkMessageBoxes boxes;
  const Shown error = show_and_answer([&] { boxes.show_error("Disk full."); });
  ASSERT_TRUE(error.answered);
  EXPECT_EQ(error.title, "Tagpad");
  EXPECT_EQ(error.icon, "dialog-error");

  const Shown plain = show_and_answer([&] { boxes.show_plain("Text not found: \"x\""); });
  ASSERT_TRUE(plain.answered);
  EXPECT_EQ(plain.title, "Tagpad");
  EXPECT_EQ(plain.icon, "");
}

}  // namespace
}  // namespace tagpad
