// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <gio/gio.h>
#include <libsoup/soup.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace tagpad {

/// An HTTP server on 127.0.0.1 serving fixed pages from the test's own
/// main loop; HTTPS when given a certificate.
class LocalWebServer {
 public:
  struct Page {
    std::string content_type;
    std::string body;
    /// A Content-Disposition header, or empty for none.
    std::string disposition;
    /// When set, the connection drops after this many bytes of the body,
    /// whose whole length the headers announce: a download that fails
    /// halfway.
    std::optional<std::size_t> drop_after = std::nullopt;
  };

  explicit LocalWebServer(GTlsCertificate* certificate = nullptr)
      : server_(certificate ? soup_server_new("tls-certificate", certificate, nullptr)
                            : soup_server_new(nullptr, nullptr)) {
    soup_server_add_handler(server_, nullptr, handle, this, nullptr);
    GError* error = nullptr;
    const auto options =
        SoupServerListenOptions(SOUP_SERVER_LISTEN_IPV4_ONLY | (certificate ? SOUP_SERVER_LISTEN_HTTPS : 0));
    if (!soup_server_listen_local(server_, 0, options, &error)) {
      std::string message = error->message;
      g_error_free(error);
      throw std::runtime_error("cannot listen on 127.0.0.1: " + message);
    }
    GSList* uris = soup_server_get_uris(server_);
    char* base = g_uri_to_string(static_cast<GUri*>(uris->data));
    base_ = base;
    g_free(base);
    g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
    if (!base_.empty() && base_.back() == '/') base_.pop_back();
  }
  ~LocalWebServer() {
    soup_server_disconnect(server_);
    g_object_unref(server_);
  }
  LocalWebServer(const LocalWebServer&) = delete;
  LocalWebServer& operator=(const LocalWebServer&) = delete;

  void serve(const std::string& path, Page page) { pages_[path] = std::move(page); }
  /// The full address of `path`, which starts with "/".
  std::string uri(const std::string& path) const { return base_ + path; }
  int requests() const { return requests_; }

 private:
  static void handle(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*, gpointer self) {
    auto& server = *static_cast<LocalWebServer*>(self);
    ++server.requests_;
    auto found = server.pages_.find(path);
    if (found == server.pages_.end()) {
      soup_server_message_set_status(message, SOUP_STATUS_NOT_FOUND, nullptr);
      return;
    }
    const Page& page = found->second;
    soup_server_message_set_status(message, SOUP_STATUS_OK, nullptr);
    if (!page.disposition.empty())
      soup_message_headers_append(soup_server_message_get_response_headers(message), "Content-Disposition",
                                  page.disposition.c_str());
    if (!page.drop_after) {
      soup_server_message_set_response(message, page.content_type.c_str(), SOUP_MEMORY_COPY, page.body.data(),
                                       page.body.size());
      return;
    }
    SoupMessageHeaders* headers = soup_server_message_get_response_headers(message);
    soup_message_headers_set_content_type(headers, page.content_type.c_str(), nullptr);
    soup_message_headers_set_content_length(headers, static_cast<goffset>(page.body.size()));
    // The body is left open with only its first part in it; once that part
    // is written the connection is taken from the server and closed.
    const std::size_t sent = std::min(*page.drop_after, page.body.size());
    soup_message_body_append(soup_server_message_get_response_body(message), SOUP_MEMORY_COPY, page.body.data(), sent);
    g_signal_connect_data(
        message, "wrote-body-data", G_CALLBACK(+[](SoupServerMessage* message, guint written, std::size_t* left) {
          *left -= std::min<std::size_t>(*left, written);
          if (*left > 0) return;
          GIOStream* connection = soup_server_message_steal_connection(message);
          if (!connection) return;
          g_io_stream_close(connection, nullptr, nullptr);
          g_object_unref(connection);
        }),
        new std::size_t(sent), +[](gpointer left, GClosure*) { delete static_cast<std::size_t*>(left); },
        GConnectFlags(0));
  }

  SoupServer* server_;
  std::string base_;
  std::map<std::string, Page> pages_;
  int requests_ = 0;
};

}  // namespace tagpad
