// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "gtk/snapshot_input_stream.h"

#include <algorithm>
#include <new>
#include <string_view>

namespace tagpad {
namespace {

struct Reader {
  std::unique_ptr<TextSnapshot> snapshot;
  std::string_view piece;

  std::size_t read(char* buffer, std::size_t count) {
    if (piece.empty()) piece = snapshot->next_piece();
    // copy(), unlike memcpy, takes the null data of an empty piece.
    const std::size_t n = piece.copy(buffer, count);
    piece.remove_prefix(n);
    return n;
  }
};

}  // namespace
}  // namespace tagpad

G_BEGIN_DECLS
#define TAGPAD_TYPE_SNAPSHOT_INPUT_STREAM (tagpad_snapshot_input_stream_get_type())
G_DECLARE_FINAL_TYPE(TagpadSnapshotInputStream, tagpad_snapshot_input_stream, TAGPAD, SNAPSHOT_INPUT_STREAM,
                     GInputStream)
G_END_DECLS

struct _TagpadSnapshotInputStream {
  GInputStream parent_instance;
  // Constructed and destroyed with the instance, which GObject allocates.
  tagpad::Reader reader;
};

G_DEFINE_TYPE(TagpadSnapshotInputStream, tagpad_snapshot_input_stream, G_TYPE_INPUT_STREAM)

namespace {

gssize read_now(GInputStream* stream, void* buffer, gsize count, GCancellable* cancellable, GError** error) {
  if (g_cancellable_set_error_if_cancelled(cancellable, error)) return -1;
  return static_cast<gssize>(TAGPAD_SNAPSHOT_INPUT_STREAM(stream)->reader.read(static_cast<char*>(buffer),
                                                                               std::min<gsize>(count, G_MAXSSIZE)));
}

// GInputStream's own asynchronous read would call read_now on a worker
// thread.
void read_async(GInputStream* stream, void* buffer, gsize count, int, GCancellable* cancellable,
                GAsyncReadyCallback callback, gpointer data) {
  GTask* task = g_task_new(stream, cancellable, callback, data);
  GError* error = nullptr;
  const gssize n = read_now(stream, buffer, count, cancellable, &error);
  if (n < 0)
    g_task_return_error(task, error);
  else
    g_task_return_int(task, n);
  g_object_unref(task);
}

gssize read_finish(GInputStream*, GAsyncResult* result, GError** error) {
  return g_task_propagate_int(G_TASK(result), error);
}

}  // namespace

static void tagpad_snapshot_input_stream_init(TagpadSnapshotInputStream* self) { new (&self->reader) tagpad::Reader(); }

static void tagpad_snapshot_input_stream_class_init(TagpadSnapshotInputStreamClass* type) {
  G_OBJECT_CLASS(type)->finalize = [](GObject* object) {
    TAGPAD_SNAPSHOT_INPUT_STREAM(object)->reader.~Reader();
    G_OBJECT_CLASS(tagpad_snapshot_input_stream_parent_class)->finalize(object);
  };
  GInputStreamClass* stream = G_INPUT_STREAM_CLASS(type);
  stream->read_fn = read_now;
  stream->read_async = read_async;
  stream->read_finish = read_finish;
}

namespace tagpad {

GInputStream* snapshot_input_stream_new(std::unique_ptr<TextSnapshot> snapshot) {
  auto* stream = TAGPAD_SNAPSHOT_INPUT_STREAM(g_object_new(TAGPAD_TYPE_SNAPSHOT_INPUT_STREAM, nullptr));
  stream->reader.snapshot = std::move(snapshot);
  return G_INPUT_STREAM(stream);
}

}  // namespace tagpad
