// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
//
// Reference window for bench_startup: a bare GTK window of Tagpad's size
// holding one WebKitWebView on about:blank.  When the page has loaded the
// title becomes "  Tagpad", the same signal Tagpad gives.
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

namespace {

void on_load_changed(WebKitWebView*, WebKitLoadEvent event, gpointer window) {
  if (event == WEBKIT_LOAD_FINISHED) gtk_window_set_title(GTK_WINDOW(window), "  Tagpad");
}

}  // namespace

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window), "Tagpad");
  gtk_window_set_default_size(GTK_WINDOW(window), 968, 685);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  GtkWidget* view = webkit_web_view_new();
  g_signal_connect(view, "load-changed", G_CALLBACK(on_load_changed), window);
  gtk_container_add(GTK_CONTAINER(window), view);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), "about:blank");
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
