// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/recovery_keeper.h"

#include "core/error.h"
#include "core/recovery_copies.h"

#include <glibmm/main.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <utility>

namespace tagpad {
namespace {

// How long one turn of reading the pane may hold the main loop.
constexpr auto ReadTurn = std::chrono::milliseconds(4);

}  // namespace

RecoveryKeeper::RecoveryKeeper(SourcePane& pane, FileSystem& files, const CodePage& page, std::string folder,
                               TimerService& timers)
    : pane_(pane),
      files_(files),
      page_(page),
      folder_(std::move(folder)),
      schedule_(timers, [this](RecoverySchedule::Generation generation) { begin_copy(generation); }) {
  if (folder_.empty()) return;
  changes_ = pane_.signal_change().connect(sigc::mem_fun(*this, &RecoveryKeeper::text_changed));
  writer_done_.connect(sigc::mem_fun(*this, &RecoveryKeeper::writer_finished));
}

RecoveryKeeper::~RecoveryKeeper() {
  changes_.disconnect();
  reader_.disconnect();
  if (writer_.joinable()) writer_.join();
}

void RecoveryKeeper::text_changed() { schedule_.text_changed(pane_.empty()); }

void RecoveryKeeper::begin_copy(RecoverySchedule::Generation generation) {
  reading_ = generation;
  snapshot_ = pane_.snapshot();
  text_.clear();
  text_.reserve(snapshot_->size_hint());
  // Below the priority of input and drawing: a copy waits for typing.
  reader_ = Glib::signal_idle().connect(sigc::mem_fun(*this, &RecoveryKeeper::read_pieces), Glib::PRIORITY_LOW);
}

bool RecoveryKeeper::read_pieces() {
  const auto until = std::chrono::steady_clock::now() + ReadTurn;
  do {
    const std::string_view piece = snapshot_->next_piece();
    if (piece.empty()) {
      snapshot_.reset();
      write_in_background(std::exchange(text_, std::string()), reading_);
      return false;
    }
    text_.append(piece);
  } while (std::chrono::steady_clock::now() < until);
  return true;
}

void RecoveryKeeper::write_in_background(std::string text, RecoverySchedule::Generation generation) {
  writer_ = std::thread([this, text = std::move(text), generation] {
    written_generation_ = generation;
    try {
      write_recovery_copy(files_, folder_, text, page_, std::chrono::system_clock::now(), ::getpid());
      writer_failure_.reset();
    } catch (const Error& e) {
      writer_failure_ = e.what();
    }
    writer_done_.emit();
  });
}

void RecoveryKeeper::writer_finished() {
  if (!writer_.joinable()) return;
  writer_.join();
  tell(writer_failure_);
  schedule_.copy_finished(written_generation_, !writer_failure_);
}

void RecoveryKeeper::take_last_copy() {
  if (folder_.empty()) return;
  reader_.disconnect();
  snapshot_.reset();
  writer_finished();
  if (schedule_.has_uncopied_text()) write_now(pane_.text(), schedule_.generation());
}

void RecoveryKeeper::write_now(const std::string& text, RecoverySchedule::Generation generation) {
  std::optional<std::string> failure;
  try {
    write_recovery_copy(files_, folder_, text, page_, std::chrono::system_clock::now(), ::getpid());
  } catch (const Error& e) {
    failure = e.what();
  }
  tell(failure);
  schedule_.copy_finished(generation, !failure);
}

void RecoveryKeeper::tell(const std::optional<std::string>& failure) {
  if (failure && !failure_told_)
    std::fprintf(stderr, "Tagpad: no recovery copy of the text could be kept in %s: %s\n", folder_.c_str(),
                 failure->c_str());
  failure_told_ = failure.has_value();
}

}  // namespace tagpad
