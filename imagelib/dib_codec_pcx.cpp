// 24-bit PCX reading. Each picture line is three plane lines (red, green,
// blue) of an even number of bytes; the padding byte of an odd width is
// dropped. Data that ends before the last line is complete fails the load:
// a picture with missing lines would be shown as if it were whole.
#include <algorithm>
#include <cstring>
#include <vector>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"
#include "imagelib/pcx_decoder.h"

namespace {

constexpr std::size_t kPcxHeaderSize = 128;

std::uint16_t ReadWord(const unsigned char* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }

}  // namespace

bool CDib::LoadFromPCXFile(const std::string& path) {
  CFile file;
  if (!file.Open(path, CFile::modeRead)) return false;
  return LoadFromPCXFile(file);
}

bool CDib::LoadFromPCXFile(CFile& file) {
  Empty();
  unsigned char header[kPcxHeaderSize];
  bool headerValid = file.Read(header, kPcxHeaderSize) == kPcxHeaderSize && header[0] == 10 &&
                     header[1] == 5 && header[3] == 8 && header[65] == 3 && ReadWord(header + 68) == 1;
  int width = ReadWord(header + 8) - ReadWord(header + 4) + 1;
  int height = ReadWord(header + 10) - ReadWord(header + 6) + 1;
  if (!headerValid || width <= 0 || height <= 0) {
    file.SeekToBegin();
    return false;
  }

  // Plane bytes of the whole picture; more than a block may hold is refused
  // before anything is allocated.
  std::int64_t planeLine = width + width % 2;
  std::int64_t planeBytes = 3 * planeLine * height;
  if (planeBytes > static_cast<std::int64_t>(kMaxMemoryBlockBytes)) return false;

  // No code produces less than one byte from two input bytes, so twice the
  // output size is all the input that can ever be used.
  std::uint64_t available = file.GetLength() - kPcxHeaderSize;
  // Nor can n input bytes give more than 63 n / 2: a header promising more
  // than the data could ever hold is refused before the planes are allocated.
  if (available * 63 / 2 < static_cast<std::uint64_t>(planeBytes)) return false;
  std::vector<unsigned char> encoded(
      static_cast<std::size_t>(std::min<std::uint64_t>(available, 2 * static_cast<std::uint64_t>(planeBytes))));
  encoded.resize(file.Read(encoded.data(), encoded.size()));
  std::vector<unsigned char> planes(static_cast<std::size_t>(planeBytes));
  if (pixkit::DecodePcxRuns(encoded, planes).produced != planes.size()) return false;

  if (!Create(CSize(width, height))) return false;
  pixkit::LockedPixels pixels(*this);
  for (int line = 0; line < height; ++line) {
    const unsigned char* red = planes.data() + 3 * planeLine * line;
    const unsigned char* green = red + planeLine;
    const unsigned char* blue = green + planeLine;
    unsigned char* pixel = pixels.Row(line);
    for (int x = 0; x < width; ++x, pixel += 3) {
      pixel[0] = blue[x];
      pixel[1] = green[x];
      pixel[2] = red[x];
    }
  }
  return true;
}
