// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/web_downloads.h"

#include "core/error.h"
#include "gtk/deliver.h"
#include "gtk/web_browser.h"

#include <glibmm/main.h>

#include <string>

namespace tagpad {
namespace {

NavigationOrigin origin_of(WebKitWebView* view, WebKitNavigationAction* action) {
  if (webkit_navigation_action_is_user_gesture(action)) return NavigationOrigin::UserGesture;
  // The program's own load names its address as the view's, and the view
  // as loading, before the engine decides on it; a page's script navigates
  // away from the page that the view still names.
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  const char* current = webkit_web_view_get_uri(view);
  if (webkit_navigation_action_get_navigation_type(action) == WEBKIT_NAVIGATION_TYPE_OTHER &&
      webkit_web_view_is_loading(view) && uri && current && g_str_equal(uri, current))
    return NavigationOrigin::UserCommand;
  return NavigationOrigin::Script;
}

std::string download_folder() {
  const char* folder = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  return folder ? folder : g_get_home_dir();
}

}  // namespace

WebDownloads::WebDownloads(WebBrowser& browser, FileChooser& chooser)
    : view_(WEBKIT_WEB_VIEW(browser.widget().gobj())), context_(webkit_web_view_get_context(view_)), chooser_(chooser) {
  handler_ids_ = {
      g_signal_connect(view_, "decide-policy", G_CALLBACK(on_decide_policy), this),
      g_signal_connect(view_, "context-menu", G_CALLBACK(on_context_menu), this),
  };
  download_started_id_ = g_signal_connect(context_, "download-started", G_CALLBACK(on_download_started), this);
}

WebDownloads::~WebDownloads() {
  for (gulong id : handler_ids_) g_signal_handler_disconnect(view_, id);
  g_signal_handler_disconnect(context_, download_started_id_);
  while (!downloads_.empty()) {
    WebKitDownload* download = downloads_.begin()->first;
    webkit_download_cancel(download);
    forget(download);
  }
}

void WebDownloads::forget(WebKitDownload* download) {
  auto found = downloads_.find(download);
  if (found == downloads_.end()) return;
  for (gulong id : found->second) g_signal_handler_disconnect(download, id);
  downloads_.erase(found);
  g_object_unref(download);
}

gboolean WebDownloads::on_decide_policy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                        WebKitPolicyDecisionType type, gpointer self) {
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  auto& downloads = *static_cast<WebDownloads*>(self);
  WebKitNavigationAction* action =
      webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* requested = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  if (!requested) return FALSE;
  // The request makes its address anew on each call and frees the last one,
  // as origin_of's call does: keep a copy.
  const std::string uri = requested;
  // The engine keeps a click's gesture through the redirects it causes.
  if (webkit_navigation_action_is_redirect(action) && !webkit_navigation_action_is_user_gesture(action))
    downloads.policy_.navigation_redirected(uri);
  else
    downloads.policy_.navigation_requested(uri, origin_of(view, action));
  return FALSE;  // the engine decides as it would
}

gboolean WebDownloads::on_context_menu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult* hit,
                                       gpointer self) {
  // The menu's download items are the user's own command.
  auto& downloads = *static_cast<WebDownloads*>(self);
  for (const char* uri : {webkit_hit_test_result_get_link_uri(hit), webkit_hit_test_result_get_image_uri(hit),
                          webkit_hit_test_result_get_media_uri(hit)})
    if (uri) downloads.policy_.navigation_requested(uri, NavigationOrigin::UserCommand);
  return FALSE;  // the engine shows its menu
}

void WebDownloads::on_download_started(WebKitWebContext*, WebKitDownload* download, gpointer self) {
  auto& downloads = *static_cast<WebDownloads*>(self);
  if (webkit_download_get_web_view(download) != downloads.view_) return;
  const char* uri = webkit_uri_request_get_uri(webkit_download_get_request(download));
  if (!uri || !downloads.policy_.started_by_user(uri)) {
    webkit_download_cancel(download);
    return;
  }
  downloads.downloads_[WEBKIT_DOWNLOAD(g_object_ref(download))] = {
      g_signal_connect(download, "decide-destination", G_CALLBACK(on_decide_destination), self),
      g_signal_connect(download, "failed", G_CALLBACK(on_failed), self),
      g_signal_connect(download, "finished", G_CALLBACK(on_finished), self),
  };
}

gboolean WebDownloads::on_decide_destination(WebKitDownload* download, gchar* suggested_name, gpointer self) {
  auto& downloads = *static_cast<WebDownloads*>(self);
  // The dialog runs once the engine's own dispatch is over; the download
  // waits for its place meanwhile.
  Glib::signal_idle().connect_once(
      sigc::track_obj([&downloads, download,
                       name = std::string(suggested_name ? suggested_name : "")] { downloads.ask(download, name); },
                      downloads));
  return TRUE;
}

void WebDownloads::ask(WebKitDownload* download, const std::string& suggested_name) {
  // The download may have ended while the idle call waited.
  if (!downloads_.contains(download)) return;
  std::optional<std::string> destination = DownloadPolicy::ask_destination(chooser_, download_folder(), suggested_name);
  // ... or while the dialog was shown.
  if (!downloads_.contains(download)) return;
  if (!destination) {
    webkit_download_cancel(download);
    return;
  }
  // The user chose this file in the dialog, an existing one too.
  webkit_download_set_allow_overwrite(download, TRUE);
  webkit_download_set_destination(download, destination->c_str());
}

void WebDownloads::on_failed(WebKitDownload*, GError* error, gpointer self) {
  if (g_error_matches(error, WEBKIT_DOWNLOAD_ERROR, WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER)) return;
  auto& downloads = *static_cast<WebDownloads*>(self);
  Glib::signal_idle().connect_once(
      sigc::track_obj([message = std::string(error->message)] { deliver([&] { throw Error(message); }); }, downloads));
}

void WebDownloads::on_finished(WebKitDownload* download, gpointer self) {
  static_cast<WebDownloads*>(self)->forget(download);
}

}  // namespace tagpad
