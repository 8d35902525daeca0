// Internal helpers for the CDib operation files: row addressing in top-down
// coordinates and a scoped pixel lock.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imagelib/dib.h"

namespace pixkit {

// A new zero-filled packed DIB block for a width x height 24-bit image, its
// 40-byte header written; null when the size is negative, too large for a
// block, or memory is short.
HGLOBAL AllocatePackedDib(std::int64_t width, std::int64_t height);

// Bytes of one padded 24-bit row.
inline std::int64_t RowLengthOf(std::int64_t width) { return (width * 3 + 3) & ~std::int64_t{3}; }

// Start of top-down row y in a pixel area of `height` rows of `rowLength`
// bytes (memory row 0 is the bottom row).
inline unsigned char* RowPointer(unsigned char* bits, int rowLength, int height, int y) {
  return bits + static_cast<std::ptrdiff_t>(height - 1 - y) * rowLength;
}

inline void PutColor(unsigned char* pixel, unsigned long color) {
  pixel[0] = static_cast<unsigned char>(color >> 16);  // blue
  pixel[1] = static_cast<unsigned char>(color >> 8);   // green
  pixel[2] = static_cast<unsigned char>(color);        // red
}

// Holds one lock on an image's pixels for a scope.
class LockedPixels {
 public:
  explicit LockedPixels(CDib& image) : m_image(image), m_bits(image.LockBits()) {}
  ~LockedPixels() {
    if (m_bits) m_image.UnlockBits();
  }
  LockedPixels(const LockedPixels&) = delete;
  LockedPixels& operator=(const LockedPixels&) = delete;

  unsigned char* bits() const { return m_bits; }
  explicit operator bool() const { return m_bits != nullptr; }
  unsigned char* Row(int y) const {
    return RowPointer(m_bits, m_image.RowLength(), m_image.Height(), y);
  }

 private:
  CDib& m_image;
  unsigned char* m_bits;
};

}  // namespace pixkit
