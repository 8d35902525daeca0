// Mirroring in place. A horizontal flip reverses the pixels of each row
// (each pixel's three bytes keep their order); a vertical flip swaps whole
// rows, padding included.
#include <algorithm>
#include <vector>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

using pixkit::LockedPixels;

bool CDib::Rotate_FlipHorizontal() {
  LockedPixels pixels(*this);
  if (!pixels) return false;
  for (int row = 0; row < m_nHeight; ++row) {
    unsigned char* left = pixels.bits() + static_cast<std::size_t>(row) * m_nRowLength;
    unsigned char* right = left + 3 * (m_nWidth - 1);
    for (; left < right; left += 3, right -= 3) std::swap_ranges(left, left + 3, right);
  }
  return true;
}

bool CDib::Rotate_FlipVertical() {
  LockedPixels pixels(*this);
  if (!pixels) return false;
  for (int low = 0, high = m_nHeight - 1; low < high; ++low, --high) {
    unsigned char* lowRow = pixels.bits() + static_cast<std::size_t>(low) * m_nRowLength;
    unsigned char* highRow = pixels.bits() + static_cast<std::size_t>(high) * m_nRowLength;
    std::swap_ranges(lowRow, lowRow + m_nRowLength, highRow);
  }
  return true;
}
