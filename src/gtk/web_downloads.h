// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/download_policy.h"
#include "core/file_dialog.h"

#include <sigc++/trackable.h>
#include <webkit2/webkit2.h>

#include <map>
#include <vector>

namespace tagpad {

class WebBrowser;

/// The preview's downloads: one the user started asks for its place in a
/// save dialog, one a page's script started alone is cancelled before it
/// writes anything. A download that fails is reported.
class WebDownloads : public sigc::trackable {
 public:
  WebDownloads(WebBrowser& browser, FileChooser& chooser);
  ~WebDownloads();
  WebDownloads(const WebDownloads&) = delete;
  WebDownloads& operator=(const WebDownloads&) = delete;

 private:
  void ask(WebKitDownload* download, const std::string& suggested_name);
  void forget(WebKitDownload* download);

  static gboolean on_decide_policy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType, gpointer self);
  static gboolean on_context_menu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*, gpointer self);
  static void on_download_started(WebKitWebContext*, WebKitDownload*, gpointer self);
  static gboolean on_decide_destination(WebKitDownload*, gchar* suggested_name, gpointer self);
  static void on_failed(WebKitDownload*, GError*, gpointer self);
  static void on_finished(WebKitDownload*, gpointer self);

  DownloadPolicy policy_;

  // Borrowed
  WebKitWebView* view_;
  WebKitWebContext* context_;
  FileChooser& chooser_;

  std::vector<gulong> handler_ids_;
  gulong download_started_id_ = 0;
  // Owned: a reference to each download under way, with its handlers.
  std::map<WebKitDownload*, std::vector<gulong>> downloads_;
};

}  // namespace tagpad
