// Small pictures and file images built inside the tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "imagelib/dib.h"

namespace testimages {

// Blue, green, red of pixel (x, y), y top-down.
struct Bgr {
  unsigned char blue, green, red;
  bool operator==(const Bgr&) const = default;
};

inline Bgr PatternColour(int x, int y) {
  return {static_cast<unsigned char>(x * 37 + y * 11), static_cast<unsigned char>(x * 5 + y * 71),
          static_cast<unsigned char>(x * 13 + y * 3 + 1)};
}

inline Bgr PixelAt(CDib& image, int x, int y) {
  unsigned char* bits = image.LockBits();
  const unsigned char* p = bits + static_cast<std::size_t>(image.Height() - 1 - y) * image.RowLength() + 3 * x;
  Bgr colour{p[0], p[1], p[2]};
  image.UnlockBits();
  return colour;
}

inline void SetPixel(CDib& image, int x, int y, Bgr colour) {
  unsigned char* bits = image.LockBits();
  unsigned char* p = bits + static_cast<std::size_t>(image.Height() - 1 - y) * image.RowLength() + 3 * x;
  p[0] = colour.blue;
  p[1] = colour.green;
  p[2] = colour.red;
  image.UnlockBits();
}

// A width x height image whose every pixel has PatternColour.
inline void MakePatternImage(CDib& image, int width, int height) {
  image.Create(CSize(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetPixel(image, x, y, PatternColour(x, y));
}

// The whole packed DIB block as bytes.
inline std::vector<unsigned char> BlockBytes(const CDib& image) {
  HGLOBAL block = image.GetHandle();
  MemoryBlockLockGuard lock(block);
  return std::vector<unsigned char>(lock.address(), lock.address() + MemoryBlockSize(block));
}

template <typename T>
void Append(std::vector<unsigned char>& bytes, T value) {
  unsigned char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));
  bytes.insert(bytes.end(), raw, raw + sizeof(T));
}

// A BMP file image with the given header fields, colour table and pixel
// bytes; the pixel offset defaults to right after the table.
struct BmpSpec {
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::vector<unsigned char> palette;  // 4 bytes an entry
  std::uint32_t gap = 0;               // bytes between table and pixels
  std::vector<unsigned char> pixels;
};

inline std::vector<unsigned char> MakeBmpFile(const BmpSpec& spec) {
  std::vector<unsigned char> file;
  std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(spec.palette.size()) + spec.gap;
  Append<std::uint16_t>(file, 0x4D42);
  Append<std::uint32_t>(file, offset + static_cast<std::uint32_t>(spec.pixels.size()));
  Append<std::uint32_t>(file, 0);
  Append<std::uint32_t>(file, offset);
  Append<std::uint32_t>(file, 40);
  Append<std::int32_t>(file, spec.width);
  Append<std::int32_t>(file, spec.height);
  Append<std::uint16_t>(file, 1);
  Append<std::uint16_t>(file, spec.bitCount);
  Append<std::uint32_t>(file, spec.compression);
  for (int i = 0; i < 3; ++i) Append<std::uint32_t>(file, 0);
  Append<std::uint32_t>(file, spec.coloursUsed);
  Append<std::uint32_t>(file, 0);
  file.insert(file.end(), spec.palette.begin(), spec.palette.end());
  file.insert(file.end(), spec.gap, 0xEE);
  file.insert(file.end(), spec.pixels.begin(), spec.pixels.end());
  return file;
}

}  // namespace testimages
