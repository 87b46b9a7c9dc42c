// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/preview_loader.h"

#include "core/load_stream.h"

namespace tagpad {

void LoadHtmlIntoBrowser(Browser& browser, std::string_view text) {
  browser.navigate("about:blank");
  while (browser.ready_state() < 3) browser.wait_for_events();
  auto document = browser.document();
  if (!document) return;
  document->load(make_load_stream(text));
}

}  // namespace tagpad
