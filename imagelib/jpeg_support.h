// What the JPEG reader and writer share: an error manager whose fatal error
// returns control to the caller (the message is kept, never shown), and a
// memory source that feeds the decoder in pieces.
#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace pixkit {

inline constexpr std::size_t kJpegMessageLength = 200;

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf returnPoint;
  char message[kJpegMessageLength];
};

// Sets up `errors` and returns the jpeg_error_mgr to put into a codec object.
// The caller must setjmp(errors.returnPoint) before any libjpeg call.
jpeg_error_mgr* InstallJpegErrorManager(JpegErrorManager& errors);

// A source over `size` bytes at `data`, handed over in pieces of at most
// 4096 bytes; past the end it warns of a premature end and supplies an
// end-of-image marker, so a truncated picture decodes as far as it goes.
void SetJpegMemorySource(j_decompress_ptr decoder, const unsigned char* data, std::size_t size);

}  // namespace pixkit
