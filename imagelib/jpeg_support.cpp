#include "imagelib/jpeg_support.h"

#include <algorithm>

namespace pixkit {
namespace {

constexpr std::size_t kPieceSize = 4096;
const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

[[noreturn]] void ReturnToCaller(j_common_ptr codec) {
  auto* errors = reinterpret_cast<JpegErrorManager*>(codec->err);
  (*codec->err->format_message)(codec, errors->message);
  std::longjmp(errors->returnPoint, 1);
}

// Warnings (a premature end, say) are kept like errors, not printed.
void KeepMessage(j_common_ptr codec) {
  auto* errors = reinterpret_cast<JpegErrorManager*>(codec->err);
  (*codec->err->format_message)(codec, errors->message);
}

struct MemorySource {
  jpeg_source_mgr base;
  const unsigned char* data;
  std::size_t size;
  std::size_t offset;
};

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr decoder) {
  auto* source = reinterpret_cast<MemorySource*>(decoder->src);
  if (source->offset >= source->size) {
    if (source->size == 0) ERREXIT(decoder, JERR_INPUT_EMPTY);
    WARNMS(decoder, JWRN_JPEG_EOF);
    source->base.next_input_byte = kEndOfImage;
    source->base.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
  }
  std::size_t piece = std::min(kPieceSize, source->size - source->offset);
  source->base.next_input_byte = source->data + source->offset;
  source->base.bytes_in_buffer = piece;
  source->offset += piece;
  return TRUE;
}

void SkipInputData(j_decompress_ptr decoder, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* base = decoder->src;
  while (count > static_cast<long>(base->bytes_in_buffer)) {
    count -= static_cast<long>(base->bytes_in_buffer);
    FillInputBuffer(decoder);
  }
  base->next_input_byte += count;
  base->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void TermSource(j_decompress_ptr) {}

}  // namespace

jpeg_error_mgr* InstallJpegErrorManager(JpegErrorManager& errors) {
  jpeg_error_mgr* base = jpeg_std_error(&errors.base);
  base->error_exit = ReturnToCaller;
  base->output_message = KeepMessage;
  errors.message[0] = '\0';
  return base;
}

void SetJpegMemorySource(j_decompress_ptr decoder, const unsigned char* data, std::size_t size) {
  auto* source = static_cast<MemorySource*>((*decoder->mem->alloc_small)(
      reinterpret_cast<j_common_ptr>(decoder), JPOOL_PERMANENT, sizeof(MemorySource)));
  source->base.init_source = InitSource;
  source->base.fill_input_buffer = FillInputBuffer;
  source->base.skip_input_data = SkipInputData;
  source->base.resync_to_restart = jpeg_resync_to_restart;
  source->base.term_source = TermSource;
  source->base.bytes_in_buffer = 0;
  source->base.next_input_byte = nullptr;
  source->data = data;
  source->size = size;
  source->offset = 0;
  decoder->src = &source->base;
}

}  // namespace pixkit
