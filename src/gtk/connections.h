// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <sigc++/connection.h>

#include <utility>
#include <vector>

namespace tagpad {

/// Signal connections that end with their owner. An object that connects to
/// signals of widgets or sources outliving it holds them here, declared last,
/// so that they are disconnected before any other member goes and no
/// handler runs on a half-destroyed owner.
class Connections {
 public:
  Connections() = default;
  ~Connections() {
    for (sigc::connection& connection : connections_) connection.disconnect();
  }
  Connections(const Connections&) = delete;
  Connections& operator=(const Connections&) = delete;

  void add(sigc::connection connection) { connections_.push_back(std::move(connection)); }

 private:
  std::vector<sigc::connection> connections_;
};

}  // namespace tagpad
