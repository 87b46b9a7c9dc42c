// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include "core/code_page.h"
#include "core/file_system.h"
#include "core/recovery_schedule.h"
#include "core/text_snapshot.h"
#include "core/timer_service.h"
#include "gtk/source_pane.h"

#include <glibmm/dispatcher.h>
#include <sigc++/connection.h>

#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace tagpad {

/// Copies the source pane's unsaved text to the recovery folder while the
/// program runs, when the schedule says so. The text is read from the pane
/// in pieces between events and written by a thread of its own, so typing
/// never waits for a copy. A failure is told once on stderr, never in a box.
class RecoveryKeeper {
 public:
  /// An empty `folder` keeps no copies.
  RecoveryKeeper(SourcePane& pane, FileSystem& files, const CodePage& page, std::string folder, TimerService& timers);
  ~RecoveryKeeper();
  RecoveryKeeper(const RecoveryKeeper&) = delete;
  RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

  /// The pane holds what the file last opened or saved holds.
  void text_matches_file() { schedule_.text_matches_file(); }
  /// Writes at once what no copy holds yet: for the program's end.
  void take_last_copy();
  /// Whether a copy is being read from the pane or written.
  bool copying() const { return reader_.connected() || writer_.joinable(); }
  /// Whether the last copy failed (and was told).
  bool failing() const { return failure_told_; }

 private:
  void text_changed();
  void begin_copy(RecoverySchedule::Generation generation);
  bool read_pieces();
  void write_in_background(std::string text, RecoverySchedule::Generation generation);
  void writer_finished();
  void write_now(const std::string& text, RecoverySchedule::Generation generation);
  void tell(const std::optional<std::string>& failure);

  // Borrowed
  SourcePane& pane_;
  FileSystem& files_;
  const CodePage& page_;
  // Owned
  const std::string folder_;
  RecoverySchedule schedule_;
  std::unique_ptr<TextSnapshot> snapshot_;
  std::string text_;
  RecoverySchedule::Generation reading_ = 0;
  sigc::connection reader_;
  std::thread writer_;
  // What the writer thread leaves for the main loop; read after the join.
  RecoverySchedule::Generation written_generation_ = 0;
  std::optional<std::string> writer_failure_;
  Glib::Dispatcher writer_done_;
  bool failure_told_ = false;
  sigc::connection changes_;
};

}  // namespace tagpad
