// Drawing a CDib onto a device context. Stretching is colour-on-colour (rows
// and columns are dropped or repeated, never blended) so that item pictures
// keep their exact pixel values on screen and in print. Source rectangles are
// given top-down and turned into the DIB convention (rows from the bottom).
#include <cmath>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

using pixkit::LockedPixels;

namespace {

BITMAPINFOHEADER HeaderOf(const CDib& image) {
  BITMAPINFOHEADER header{};
  image.GetBitmapInfoHeader(&header);
  return header;
}

}  // namespace

bool CDib::Draw(CDC* dc, CRect dest, CRect* source) {
  LockedPixels pixels(*this);
  if (!pixels || !dc) return false;
  CRect from = source ? *source : CRect(0, 0, m_nWidth, m_nHeight);
  int sourceY = m_nHeight - from.bottom;
  int sourceHeight = from.bottom - from.top;
  dc->SetStretchBltMode(COLORONCOLOR);
  dc->StretchDIBits(dest.left, dest.top, dest.Width(), dest.Height(), from.left, sourceY,
                    from.Width(), sourceHeight, pixels.bits(), HeaderOf(*this), SRCCOPY);
  return true;
}

bool CDib::Stretch(CDC* dc, CRect dest) { return Draw(dc, dest, nullptr); }

bool CDib::DrawWithoutStretch(CDC* dc, CRect dest) {
  return DrawWithoutStretch(dc, dest.TopLeft(), dest.Size());
}

bool CDib::DrawWithoutStretch(CDC* dc, CPoint at, CSize size) {
  LockedPixels pixels(*this);
  if (!pixels || !dc) return false;
  // Source origin (0, 0) in DIB terms is the bottom-left pixel: a smaller
  // destination shows the left columns and the bottom rows.
  dc->SetDIBitsToDevice(at.x, at.y, size.cx, size.cy, 0, 0, pixels.bits(), HeaderOf(*this));
  return true;
}

bool CDib::MaskDraw(CDC* dc, CPoint at) {
  LockedPixels pixels(*this);
  if (!pixels || !dc) return false;
  // Black is the see-through colour of masked pictures.
  for (int y = 0; y < m_nHeight; ++y) {
    const unsigned char* pixel = pixels.Row(y);
    for (int x = 0; x < m_nWidth; ++x, pixel += 3) {
      if (pixel[0] | pixel[1] | pixel[2]) dc->SetPixel(at.x + x, at.y + y, RGB(pixel[2], pixel[1], pixel[0]));
    }
  }
  return true;
}

void CDib::FitToRect(CDC* dc, CRect rect, bool allowEnlarge) {
  if (!m_hDib || m_nWidth <= 0 || m_nHeight <= 0) return;
  double scale = std::max(static_cast<double>(m_nWidth) / rect.Width(),
                          static_cast<double>(m_nHeight) / rect.Height());
  if (!(scale > 0) || std::isinf(scale)) return;  // a degenerate rectangle shows nothing
  int width = static_cast<int>(m_nWidth / scale);
  int height = static_cast<int>(m_nHeight / scale);
  if (!allowEnlarge && m_nWidth < width) {
    width = m_nWidth;
    height = m_nHeight;
  }
  int left = rect.left + (rect.Width() - width) / 2;
  int top = rect.top + (rect.Height() - height) / 2;
  Stretch(dc, CRect(left, top, left + width, top + height));
}
