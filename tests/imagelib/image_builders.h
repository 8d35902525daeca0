// Small images built in the tests and direct pixel access to them, in
// top-down coordinates or in memory rows (row 0 at the bottom).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <random>

#include "imagelib/dib.h"

namespace testimg {

using Pixel = std::array<unsigned char, 3>;  // blue, green, red

// Address of the pixel at column x of memory row `memoryRow`.
inline unsigned char* MemoryPixel(CDib& image, int x, int memoryRow) {
  unsigned char* bits = image.LockBits();
  image.UnlockBits();  // the block stays where it is; tests hold no lock
  return bits + static_cast<std::ptrdiff_t>(memoryRow) * image.RowLength() + 3 * x;
}

inline Pixel GetPixel(CDib& image, int x, int y) {
  unsigned char* p = MemoryPixel(image, x, image.Height() - 1 - y);
  return {p[0], p[1], p[2]};
}

inline void SetPixel(CDib& image, int x, int y, Pixel value) {
  unsigned char* p = MemoryPixel(image, x, image.Height() - 1 - y);
  p[0] = value[0], p[1] = value[1], p[2] = value[2];
}

inline Pixel Grey(int v) { return {static_cast<unsigned char>(v), static_cast<unsigned char>(v), static_cast<unsigned char>(v)}; }

// An image whose pixels are random bytes (padding stays zero).
inline std::unique_ptr<CDib> RandomImage(int width, int height, unsigned seed) {
  auto image = std::make_unique<CDib>();
  if (!image->Create(CSize(width, height))) return nullptr;
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      auto value = random();
      SetPixel(*image, x, y, {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                              static_cast<unsigned char>(value >> 16)});
    }
  return image;
}

// An image of one grey row per top-down row, given left to right.
inline std::unique_ptr<CDib> GreyImage(std::initializer_list<std::initializer_list<int>> rows) {
  auto image = std::make_unique<CDib>();
  int height = static_cast<int>(rows.size());
  int width = height ? static_cast<int>(rows.begin()->size()) : 0;
  image->Create(CSize(width, height));
  int y = 0;
  for (auto& row : rows) {
    int x = 0;
    for (int v : row) SetPixel(*image, x++, y, Grey(v));
    ++y;
  }
  return image;
}

// True when both hold the same size and the same pixel bytes.
inline bool SamePixels(CDib& a, CDib& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (GetPixel(a, x, y) != GetPixel(b, x, y)) return false;
  return true;
}

}  // namespace testimg
