// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/text_snapshot.h"

#include <memory>
#include <string>

namespace tagpad {

/// The document the engine currently shows. Texts are UTF-8.
class BrowserDocument {
 public:
  virtual ~BrowserDocument() = default;
  virtual std::string title() = 0;
  /// Replaces the document by `text`, which the engine reads while it loads.
  virtual void write(std::unique_ptr<TextSnapshot> text) = 0;
  /// The root element's inner HTML.
  virtual std::string inner_html() = 0;
  /// Replaces the document by bytes in the platform code page.
  virtual void load(std::string bytes) = 0;
};

/// What the preview and navigation rules need of the embedded HTML engine.
class Browser {
 public:
  virtual ~Browser() = default;
  virtual void navigate(const std::string& url) = 0;
  /// One step in the engine's own history; throws "Unspecified error" when
  /// there is none.
  virtual void go_back() = 0;
  virtual void go_forward() = 0;
  /// Stops pending loading.
  virtual void stop() = 0;
  /// 0 uninitialised, 1 loading, 3 interactive, 4 complete.
  virtual int ready_state() const = 0;
  /// Dispatches pending events, blocking until at least one arrives.
  /// Throws tagpad::Error when the engine has stopped and tagpad::Abort
  /// when the application is quitting, so that no wait outlives either.
  virtual void wait_for_events() = 0;
  /// The current document, or null before the first commit and while the
  /// engine is gone.
  virtual std::unique_ptr<BrowserDocument> document() = 0;
};

}  // namespace tagpad
