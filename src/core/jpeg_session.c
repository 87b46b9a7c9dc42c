// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#include "core/jpeg_session.h"

#include <setjmp.h>
#include <stdio.h>
#include <stdlib.h>

#include <jpeglib.h>
/* jerror.h after jpeglib.h: it needs its types. */
#include <jerror.h>

struct TagpadJpegSession {
  struct jpeg_decompress_struct info;
  struct jpeg_error_mgr error;
  struct jpeg_source_mgr source;
  jmp_buf failure;
  size_t size;
};

static TagpadJpegSession* session_of(j_common_ptr info) { return (TagpadJpegSession*)info->client_data; }

static void jump_to_caller(j_common_ptr info) { longjmp(session_of(info)->failure, 1); }

/* Warnings are counted by libjpeg but never printed. */
static void discard_message(j_common_ptr info) { (void)info; }

static void init_source(j_decompress_ptr info) { (void)info; }

/* The whole picture is in the buffer from the start: asking for more means
 * the data ends too early. */
static boolean fill_input_buffer(j_decompress_ptr info) {
  ERREXIT(info, session_of((j_common_ptr)info)->size == 0 ? JERR_INPUT_EMPTY : JERR_INPUT_EOF);
  return FALSE;
}

static void skip_input_data(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  if ((size_t)count > info->src->bytes_in_buffer) fill_input_buffer(info);
  info->src->next_input_byte += count;
  info->src->bytes_in_buffer -= (size_t)count;
}

static void term_source(j_decompress_ptr info) { (void)info; }

TagpadJpegSession* tagpad_jpeg_session_new(const unsigned char* data, size_t size) {
  TagpadJpegSession* session = calloc(1, sizeof *session);
  if (!session) return NULL;
  session->size = size;
  /* Before creation: libjpeg may already fail there, and keeps both. */
  session->info.client_data = session;
  session->info.err = jpeg_std_error(&session->error);
  session->error.error_exit = jump_to_caller;
  session->error.output_message = discard_message;
  session->source.next_input_byte = data;
  session->source.bytes_in_buffer = size;
  session->source.init_source = init_source;
  session->source.fill_input_buffer = fill_input_buffer;
  session->source.skip_input_data = skip_input_data;
  session->source.resync_to_restart = jpeg_resync_to_restart;
  session->source.term_source = term_source;
  return session;
}

void tagpad_jpeg_session_free(TagpadJpegSession* session) {
  if (!session) return;
  /* Safe also when creation failed half-way: it checks for the memory manager. */
  jpeg_destroy_decompress(&session->info);
  free(session);
}

int tagpad_jpeg_error_code(const TagpadJpegSession* session) { return session->error.msg_code; }

int tagpad_jpeg_read_header(TagpadJpegSession* session, TagpadJpegHeader* header) {
  if (setjmp(session->failure)) return 0;
  jpeg_create_decompress(&session->info);
  session->info.src = &session->source;
  jpeg_read_header(&session->info, TRUE);
  header->width = (int)session->info.image_width;
  header->height = (int)session->info.image_height;
  header->components = session->info.num_components;
  header->grayscale = session->info.jpeg_color_space == JCS_GRAYSCALE;
  header->progressive = session->info.progressive_mode != 0;
  return 1;
}

int tagpad_jpeg_start(TagpadJpegSession* session, size_t* row_bytes) {
  if (setjmp(session->failure)) return 0;
  session->info.out_color_space = session->info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&session->info);
  *row_bytes = (size_t)session->info.output_width * (size_t)session->info.output_components;
  return 1;
}

int tagpad_jpeg_read_rows(TagpadJpegSession* session, unsigned char* pixels, size_t row_bytes) {
  if (setjmp(session->failure)) return 0;
  while (session->info.output_scanline < session->info.output_height) {
    JSAMPROW row = pixels + (size_t)session->info.output_scanline * row_bytes;
    jpeg_read_scanlines(&session->info, &row, 1);
  }
  jpeg_finish_decompress(&session->info);
  return 1;
}
