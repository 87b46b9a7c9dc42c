// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_snapshot.h"

#include <gio/gio.h>

#include <memory>

namespace tagpad {

/// A new input stream (full reference) that reads `snapshot` to its end.
/// Every read, asynchronous ones too, runs on the calling thread, since a
/// snapshot may read a widget's buffer: a large text reaches the engine in
/// many short steps of the main loop, with the window's own events between.
GInputStream* snapshot_input_stream_new(std::unique_ptr<TextSnapshot> snapshot);

}  // namespace tagpad
