// Filling an image or part of it with one colour, or tiling another image
// over it. A rectangle crossing the image's edge fills only its part inside.
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

bool CDib::Fill_ColorRect(CRect rect, unsigned long color) {
  LockedPixels pixels(*this);
  if (!pixels) return false;
  CRect inside;
  if (!inside.IntersectRect(rect, CRect(0, 0, m_nWidth, m_nHeight))) return true;
  unsigned char* first = pixels.Row(inside.top) + 3 * inside.left;
  for (int x = 0; x < inside.Width(); ++x) pixkit::PutColor(first + 3 * x, color);
  for (int y = inside.top + 1; y < inside.bottom; ++y)
    std::memcpy(pixels.Row(y) + 3 * inside.left, first, static_cast<std::size_t>(inside.Width()) * 3);
  return true;
}

bool CDib::Fill_Texture(CDib* texture) {
  if (IsEmpty() || !texture || texture->IsEmpty() || texture->Width() <= 0 || texture->Height() <= 0)
    return false;
  const int tileWidth = texture->Width();
  const int tileHeight = texture->Height();
  const int across = (m_nWidth + tileWidth - 1) / tileWidth;
  const int down = (m_nHeight + tileHeight - 1) / tileHeight;
  // Through the virtual paste, so a derived image also tiles its own planes.
  for (int i = 0; i < down; ++i)
    for (int j = 0; j < across; ++j)
      if (!Edit_Paste(texture, CPoint(j * tileWidth, i * tileHeight))) return false;
  return true;
}
