#include "tests/imagelib/plain_jpeg.h"

#include <cstdlib>

namespace plainjpeg {

std::vector<unsigned char> Encode(const Picture& picture, J_COLOR_SPACE space, int quality, bool forceBaseline) {
  jpeg_compress_struct encoder;
  jpeg_error_mgr errors;
  encoder.err = jpeg_std_error(&errors);
  jpeg_create_compress(&encoder);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&encoder, &buffer, &size);
  encoder.image_width = static_cast<JDIMENSION>(picture.width);
  encoder.image_height = static_cast<JDIMENSION>(picture.height);
  encoder.input_components = picture.components;
  encoder.in_color_space = space;
  jpeg_set_defaults(&encoder);
  jpeg_set_quality(&encoder, quality, forceBaseline ? TRUE : FALSE);
  jpeg_start_compress(&encoder, TRUE);
  while (encoder.next_scanline < encoder.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(picture.samples.data()) +
                   static_cast<std::size_t>(encoder.next_scanline) * picture.width * picture.components;
    jpeg_write_scanlines(&encoder, &row, 1);
  }
  jpeg_finish_compress(&encoder);
  jpeg_destroy_compress(&encoder);
  std::vector<unsigned char> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

Picture Decode(const std::vector<unsigned char>& jpeg) {
  jpeg_decompress_struct decoder;
  jpeg_error_mgr errors;
  decoder.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&decoder);
  jpeg_mem_src(&decoder, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&decoder, TRUE);
  jpeg_start_decompress(&decoder);
  Picture picture;
  picture.width = static_cast<int>(decoder.output_width);
  picture.height = static_cast<int>(decoder.output_height);
  picture.components = decoder.output_components;
  picture.samples.resize(static_cast<std::size_t>(picture.width) * picture.height * picture.components);
  while (decoder.output_scanline < decoder.output_height) {
    JSAMPROW row = picture.samples.data() +
                   static_cast<std::size_t>(decoder.output_scanline) * picture.width * picture.components;
    jpeg_read_scanlines(&decoder, &row, 1);
  }
  jpeg_finish_decompress(&decoder);
  jpeg_destroy_decompress(&decoder);
  return picture;
}

}  // namespace plainjpeg
