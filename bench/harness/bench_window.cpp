// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "harness/bench_window.h"

namespace tagpad::bench {

BenchWindow::BenchWindow(const char* code_page, std::string recovery_folder) : code_page_(CodePage::named(code_page)) {
  services_.recovery_folder = std::move(recovery_folder);
  form_ = TForm1::create(services_);
  form_->show();
}

}  // namespace tagpad::bench
