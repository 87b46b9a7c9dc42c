// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/string_snapshot.h"
#include "gtk/pane_snapshot.h"
#include "gtk/snapshot_input_stream.h"
#include "support/main_loop.h"

#include <gtest/gtest.h>
#include <gtksourceview/gtksource.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tagpad {
namespace {

// Several pieces' worth of text, with two- and three-byte characters falling
// on every piece edge.
std::string long_text() {
  std::string text;
  for (int line = 0; text.size() < 600 * 1024; ++line)
    text += "<p>" + std::to_string(line) + " é 가나다 \t&amp; text</p>\n";
  return text;
}

class PaneSnapshotTest : public ::testing::Test {
 protected:
  PaneSnapshotTest() : buffer_(GTK_TEXT_BUFFER(gtk_source_buffer_new(nullptr))) {
    gtk_text_buffer_set_text(buffer_, text_.data(), static_cast<int>(text_.size()));
  }
  ~PaneSnapshotTest() override { g_object_unref(buffer_); }

  void insert_at_start(const char* text) {
    GtkTextIter start;
    gtk_text_buffer_get_start_iter(buffer_, &start);
    gtk_text_buffer_insert(buffer_, &start, text, -1);
  }

  const std::string text_ = long_text();
  GtkTextBuffer* buffer_;
};

TEST_F(PaneSnapshotTest, ReadsTheTextAsItWasTakenWhateverChangesTheBufferMeanwhile) {
  PaneSnapshot untouched(buffer_);
  PaneSnapshot edited_at_once(buffer_);
  PaneSnapshot edited_midway(buffer_);
  EXPECT_EQ(untouched.size_hint(), static_cast<std::size_t>(gtk_text_buffer_get_char_count(buffer_)));
  const std::string first_piece(edited_midway.next_piece());
  ASSERT_LT(first_piece.size(), text_.size());

  insert_at_start("<h1>typed</h1>");
  GtkTextIter start, end;
  gtk_text_buffer_get_bounds(buffer_, &start, &end);
  gtk_text_iter_backward_chars(&start, 5000);
  gtk_text_buffer_delete(buffer_, &start, &end);
  gtk_text_buffer_set_text(buffer_, "replaced", -1);

  EXPECT_EQ(read_rest(untouched), text_);
  EXPECT_EQ(read_rest(edited_at_once), text_);
  EXPECT_EQ(first_piece + read_rest(edited_midway), text_);
  EXPECT_EQ(read_rest(edited_midway), "");
  EXPECT_EQ(read_rest(*std::make_unique<PaneSnapshot>(buffer_)), "replaced");
}

TEST_F(PaneSnapshotTest, HoldsItsBufferUntilReadToTheEnd) {
  GtkTextBuffer* watched = buffer_;
  g_object_add_weak_pointer(G_OBJECT(watched), reinterpret_cast<gpointer*>(&watched));
  auto snapshot = std::make_unique<PaneSnapshot>(buffer_);
  // The pane lets go of its buffer, as when the window closes.
  g_object_unref(std::exchange(buffer_, GTK_TEXT_BUFFER(gtk_text_buffer_new(nullptr))));
  ASSERT_NE(watched, nullptr);
  EXPECT_EQ(read_rest(*snapshot), text_);
  EXPECT_EQ(watched, nullptr);
}

// Gives its text in pieces of uneven sizes, and notes each thread it is
// read on.
class UnevenSnapshot : public TextSnapshot {
 public:
  explicit UnevenSnapshot(std::string text, std::vector<GThread*>& readers)
      : text_(std::move(text)), readers_(readers) {}
  std::string_view next_piece() override {
    readers_.push_back(g_thread_self());
    const std::string_view piece = std::string_view(text_).substr(read_, 1 + (read_ * 7919) % 20000);
    read_ += piece.size();
    return piece;
  }
  std::size_t size_hint() const override { return text_.size(); }

 private:
  std::string text_;
  std::size_t read_ = 0;
  std::vector<GThread*>& readers_;
};

struct ReadAll {
  bool done = false;
  std::string bytes;
  std::string error;
  char buffer[4096];
};

void read_next(GInputStream* stream, ReadAll& all) {
  g_input_stream_read_async(
      stream, all.buffer, sizeof all.buffer, G_PRIORITY_DEFAULT, nullptr,
      +[](GObject* source, GAsyncResult* result, gpointer data) {
        auto& all = *static_cast<ReadAll*>(data);
        GError* error = nullptr;
        const gssize n = g_input_stream_read_finish(G_INPUT_STREAM(source), result, &error);
        if (n < 0) all.error = error->message;
        g_clear_error(&error);
        if (n > 0) all.bytes.append(all.buffer, static_cast<std::size_t>(n));
        if (n > 0) return read_next(G_INPUT_STREAM(source), all);
        all.done = true;
      },
      &all);
}

TEST(SnapshotInputStreamTest, ReadsEveryByteInOrderOnTheCallingThread) {
  const std::string text = long_text();
  std::vector<GThread*> readers;
  GInputStream* stream = snapshot_input_stream_new(std::make_unique<UnevenSnapshot>(text, readers));
  ReadAll all;
  read_next(stream, all);
  ASSERT_TRUE(iterate_until([&] { return all.done; }));
  EXPECT_EQ(all.error, "");
  EXPECT_EQ(all.bytes, text);
  ASSERT_FALSE(readers.empty());
  for (GThread* reader : readers) EXPECT_EQ(reader, g_thread_self());

  char rest[16];
  EXPECT_EQ(g_input_stream_read(stream, rest, sizeof rest, nullptr, nullptr), 0);
  g_object_unref(stream);
}

TEST(SnapshotInputStreamTest, ACancelledReadReportsCancellation) {
  GInputStream* stream = snapshot_input_stream_new(std::make_unique<StringSnapshot>("text"));
  GCancellable* cancellable = g_cancellable_new();
  g_cancellable_cancel(cancellable);
  char buffer[8];
  GError* error = nullptr;
  EXPECT_EQ(g_input_stream_read(stream, buffer, sizeof buffer, cancellable, &error), -1);
  EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED));
  g_clear_error(&error);
  EXPECT_EQ(g_input_stream_read(stream, buffer, sizeof buffer, nullptr, nullptr), 4);
  g_object_unref(cancellable);
  g_object_unref(stream);
}

}  // namespace
}  // namespace tagpad
