// Filling an image or part of it with one colour.
#include <cstring>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

using pixkit::LockedPixels;

bool CDib::Fill_Color(unsigned long color) {
  LockedPixels pixels(*this);
  if (!pixels) return false;
  if (m_nHeight == 0 || m_nWidth == 0) return true;
  // Fill the first row pixel by pixel, then copy it whole into the others.
  unsigned char* first = pixels.bits();
  for (int x = 0; x < m_nWidth; ++x) pixkit::PutColor(first + 3 * x, color);
  for (int row = 1; row < m_nHeight; ++row)
    std::memcpy(first + static_cast<std::size_t>(row) * m_nRowLength, first, static_cast<std::size_t>(m_nWidth) * 3);
  return true;
}
