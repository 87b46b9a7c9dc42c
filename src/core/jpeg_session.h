// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* One libjpeg decompression of a picture held in memory. libjpeg leaves a
 * failure by a long jump; each call below catches it in its own C frame and
 * returns 0, so the jump never crosses a C++ frame. After a failure the
 * session can only be freed. */
typedef struct TagpadJpegSession TagpadJpegSession;

typedef struct TagpadJpegHeader {
  int width;
  int height;
  int components;
  int grayscale;
  int progressive;
} TagpadJpegHeader;

/* Null when memory runs out. `data` must outlive the session. */
TagpadJpegSession* tagpad_jpeg_session_new(const unsigned char* data, size_t size);
void tagpad_jpeg_session_free(TagpadJpegSession* session);

/* libjpeg's message code of the last failure. */
int tagpad_jpeg_error_code(const TagpadJpegSession* session);

/* Each returns 1 on success, 0 on failure. */
int tagpad_jpeg_read_header(TagpadJpegSession* session, TagpadJpegHeader* header);
/* Starts decompressing to RGB, or to one grey byte per pixel for a
 * greyscale picture; gives the bytes of one row. */
int tagpad_jpeg_start(TagpadJpegSession* session, size_t* row_bytes);
/* Reads every row into `pixels`, `row_bytes` apart, and finishes. */
int tagpad_jpeg_read_rows(TagpadJpegSession* session, unsigned char* pixels, size_t row_bytes);

#ifdef __cplusplus
}
#endif
