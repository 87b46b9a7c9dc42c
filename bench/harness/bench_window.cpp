// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "harness/bench_window.h"

namespace tagpad::bench {

BenchWindow::BenchWindow(const char* code_page)
    : code_page_(CodePage::named(code_page)), form_(TForm1::create(services_)) {
  form_->show();
}

}  // namespace tagpad::bench
