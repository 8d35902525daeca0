// JPEG reading and writing through libjpeg(-turbo).
//
// Reading decodes straight into the image's own pixel area: libjpeg-turbo's
// extended BGR output gives the same values as RGB with bytes 0 and 2
// swapped, and each scan line is written into its final (bottom-up) row, so
// the byte swap, the row reversal and an intermediate buffer cost nothing.
// The image is created through the virtual Create(CSize), so a derived class
// still sets up its own planes.
// Writing feeds the rows to the encoder the same way, bottom row last.
//
// libjpeg reports fatal errors through a longjmp back into these functions;
// everything they own is held in plain pointers (no destructors are skipped)
// and released on that path.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"
#include "imagelib/jpeg_support.h"
#include "platform/core/jpeg_properties.h"
#include "platform/core/message_box.h"

using pixkit::JpegErrorManager;

namespace {

// Decodes from `file` when given, else from the memory buffer, into `image`,
// which is re-created (through its virtual Create) at the picture's size.
// On failure the image is left empty.
bool DecodeJpeg(std::FILE* file, const unsigned char* data, std::size_t size, CDib& image, bool* outOfMemory) {
  jpeg_decompress_struct decoder;
  JpegErrorManager errors;
  unsigned char* volatile bits = nullptr;
  unsigned char* volatile greyLine = nullptr;
  decoder.err = pixkit::InstallJpegErrorManager(errors);
  if (setjmp(errors.returnPoint)) {
    jpeg_destroy_decompress(&decoder);
    std::free(greyLine);
    if (bits) image.UnlockBits();
    image.Empty();
    return false;
  }
  jpeg_create_decompress(&decoder);
  if (file) jpeg_stdio_src(&decoder, file);
  else pixkit::SetJpegMemorySource(&decoder, data, size);
  jpeg_read_header(&decoder, TRUE);

  bool grey = decoder.out_color_space == JCS_GRAYSCALE;
  if (decoder.out_color_space == JCS_RGB) decoder.out_color_space = JCS_EXT_BGR;
  else if (!grey) {
    jpeg_destroy_decompress(&decoder);  // CMYK and other four-channel files are not converted
    image.Empty();
    return false;
  }
  if (pixkit::RowLengthOf(decoder.image_width) * decoder.image_height >
      static_cast<std::int64_t>(kMaxMemoryBlockBytes)) {
    // Refused before libjpeg allocates its own buffers for the picture.
    *outOfMemory = true;
    std::longjmp(errors.returnPoint, 1);
  }
  jpeg_start_decompress(&decoder);
  if (grey) greyLine = static_cast<unsigned char*>(std::malloc(decoder.output_width + 1));
  if ((grey && !greyLine) ||
      !image.Create(CSize(static_cast<int>(decoder.output_width), static_cast<int>(decoder.output_height)))) {
    *outOfMemory = true;
    std::longjmp(errors.returnPoint, 1);
  }
  bits = image.LockBits();

  const std::int64_t rowLength = image.RowLength();
  const int height = image.Height();
  while (decoder.output_scanline < decoder.output_height) {
    unsigned char* row = bits + (height - 1 - static_cast<std::int64_t>(decoder.output_scanline)) * rowLength;
    JSAMPROW line = grey ? greyLine : row;
    if (jpeg_read_scanlines(&decoder, &line, 1) != 1) break;
    if (grey) {
      for (unsigned x = 0; x < decoder.output_width; ++x) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = greyLine[x];
    }
  }
  jpeg_finish_decompress(&decoder);
  jpeg_destroy_decompress(&decoder);
  std::free(greyLine);
  image.UnlockBits();
  return true;
}

void ReportOutOfMemory() { ShowMessageBox("JpegFile :\nOut of memory", {}, MessageIcon::Stop); }

std::string CantOpenMessage(const char* prefix, const std::string& path) {
  return std::string(prefix) + " :\nCan't open " + path + "\n";
}

}  // namespace

bool CDib::LoadFromJPGFile(std::string path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    ShowMessageBox(CantOpenMessage("JPEG", path));
    return false;
  }
  bool outOfMemory = false;
  bool ok = DecodeJpeg(file, nullptr, 0, *this, &outOfMemory);
  std::fclose(file);
  if (outOfMemory) ReportOutOfMemory();
  return ok;
}

bool CDib::LoadFromJPGMemory(unsigned char* data, unsigned int size) {
  bool outOfMemory = false;
  bool ok = DecodeJpeg(nullptr, data, data ? size : 0, *this, &outOfMemory);
  if (outOfMemory) ReportOutOfMemory();
  return ok;
}

namespace {

struct JpegWriteRequest {
  const unsigned char* pixels;  // locked pixel area
  int width;
  int height;
  int rowLength;
  bool colour;
  int quality;
  bool forceBaseline;
};

// Grey as the writer has always computed it: truncated, in double precision.
unsigned char GreyOf(const unsigned char* bgr) {
  return static_cast<unsigned char>(0.299 * bgr[2] + 0.114 * bgr[0] + 0.587 * bgr[1]);
}

// Where libjpeg's memory destination keeps its growing buffer. Held outside
// the encoding function's frame so that its values survive the error jump.
struct MemoryDestination {
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  ~MemoryDestination() { std::free(buffer); }
};

// Encodes into `file`, or into `memory` when no file is given.
bool EncodeJpeg(std::FILE* file, MemoryDestination* memory, const JpegWriteRequest& request) {
  jpeg_compress_struct encoder;
  JpegErrorManager errors;
  unsigned char* volatile greyLine = nullptr;
  encoder.err = pixkit::InstallJpegErrorManager(errors);
  if (setjmp(errors.returnPoint)) {
    jpeg_destroy_compress(&encoder);
    std::free(greyLine);
    return false;
  }
  if (!request.colour) {
    greyLine = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(request.width) + 1));
    if (!greyLine) {
      ShowMessageBox("Memory error");
      return false;
    }
  }
  jpeg_create_compress(&encoder);
  if (file) jpeg_stdio_dest(&encoder, file);
  else jpeg_mem_dest(&encoder, &memory->buffer, &memory->size);
  encoder.image_width = static_cast<JDIMENSION>(request.width);
  encoder.image_height = static_cast<JDIMENSION>(request.height);
  encoder.input_components = request.colour ? 3 : 1;
  encoder.in_color_space = request.colour ? JCS_EXT_BGR : JCS_GRAYSCALE;
  jpeg_set_defaults(&encoder);
  jpeg_set_quality(&encoder, request.quality, request.forceBaseline ? TRUE : FALSE);
  jpeg_start_compress(&encoder, TRUE);
  while (encoder.next_scanline < encoder.image_height) {
    // The top line of the picture is the last memory row.
    const unsigned char* row =
        request.pixels + static_cast<std::int64_t>(request.height - 1 - static_cast<int>(encoder.next_scanline)) *
                             request.rowLength;
    JSAMPROW line = const_cast<unsigned char*>(row);
    if (!request.colour) {
      for (int x = 0; x < request.width; ++x) greyLine[x] = GreyOf(row + 3 * x);
      line = greyLine;
    }
    jpeg_write_scanlines(&encoder, &line, 1);
  }
  jpeg_finish_compress(&encoder);
  jpeg_destroy_compress(&encoder);
  std::free(greyLine);
  return true;
}

}  // namespace

bool CDib::SaveToJPGFile(std::string path, bool showDialog, bool colour, int quality, bool forceBaseline) {
  if (showDialog) {
    CResourceModuleSwitch ownResources(FindModule("Pixkit"));
    CJpegPropertiesDialogModel dialog(quality, forceBaseline, colour);
    if (!GetJpegPropertiesPrompt().Run(dialog)) return false;
    quality = dialog.properties().quality;
    colour = !dialog.properties().grayscale;
    forceBaseline = dialog.properties().forceBaseline;
  }
  pixkit::LockedPixels pixels(*this);
  if (!pixels || m_nWidth <= 0 || m_nHeight <= 0) return false;

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    ShowMessageBox(CantOpenMessage("JpegFile", path));
    return false;
  }
  JpegWriteRequest request{pixels.bits(), m_nWidth, m_nHeight, m_nRowLength, colour, quality, forceBaseline};
  bool written = EncodeJpeg(file, nullptr, request);
  written = (std::fclose(file) == 0) && written;
  if (!written) std::remove(path.c_str());  // never leave a broken picture behind
  return written;
}

bool CDib::SaveToJPGMemory(std::vector<unsigned char>* jpeg, bool colour, int quality, bool forceBaseline) {
  pixkit::LockedPixels pixels(*this);
  if (!jpeg || !pixels || m_nWidth <= 0 || m_nHeight <= 0) return false;
  auto memory = std::make_unique<MemoryDestination>();
  JpegWriteRequest request{pixels.bits(), m_nWidth, m_nHeight, m_nRowLength, colour, quality, forceBaseline};
  if (!EncodeJpeg(nullptr, memory.get(), request)) return false;
  jpeg->assign(memory->buffer, memory->buffer + memory->size);
  return true;
}
