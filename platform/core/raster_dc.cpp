#include "platform/core/raster_dc.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/core/raster_shapes.h"

namespace {

// Reads DIB pixel (x, row) where row 0 is the bottom row; 24-bit only.
COLORREF DibPixel(const unsigned char* bits, const BITMAPINFOHEADER& info, int x, int row) {
  int rowLength = ((info.biWidth * 24 + 31) / 32) * 4;
  const unsigned char* p = bits + static_cast<long>(row) * rowLength + 3L * x;
  return RGB(p[2], p[1], p[0]);
}

// One row of blue-green-red bytes as colours. Written by index over
// pointers that cannot overlap, so the compiler turns it into vector code:
// every recomposition of the view ends here.
__attribute__((target_clones("avx2", "default"))) void PackRow(const unsigned char* __restrict bgr, COLORREF* __restrict out, int count) {
  for (int k = 0; k < count; ++k)
    out[k] = bgr[3 * k + 2] | (bgr[3 * k + 1] << 8) | (static_cast<COLORREF>(bgr[3 * k]) << 16);
}

bool IsDrawableDib(const void* bits, const BITMAPINFOHEADER& info) {
  return bits && info.biBitCount == 24 && info.biWidth > 0 && info.biHeight > 0;
}

}  // namespace

CRasterDC::CRasterDC(int width, int height, COLORREF background)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_pixels(static_cast<std::size_t>(m_width) * m_height, background) {}

int CRasterDC::SetStretchBltMode(int mode) {
  int previous = m_stretchMode;
  m_stretchMode = mode;
  return previous;
}

void CRasterDC::Put(int x, int y, COLORREF color) {
  if (!Inside(x, y)) return;
  m_pixels[static_cast<std::size_t>(y) * m_width + x] = color;
  ++m_pixelsWritten;
}

int CRasterDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                             int ySrc, int srcWidth, int srcHeight, const void* bits,
                             const BITMAPINFOHEADER& info, unsigned long rop) {
  if (!IsDrawableDib(bits, info) || rop != SRCCOPY || destWidth <= 0 || destHeight <= 0 ||
      srcWidth <= 0 || srcHeight <= 0)
    return 0;
  const auto* dib = static_cast<const unsigned char*>(bits);
  for (int dy = 0; dy < destHeight; ++dy) {
    // Destination row dy (from the top) shows source row k from the top of the
    // source rectangle, whose DIB row counts from the bottom.
    long k = static_cast<long>(dy) * srcHeight / destHeight;
    int row = ySrc + srcHeight - 1 - static_cast<int>(k);
    if (row < 0 || row >= info.biHeight) continue;
    for (int dx = 0; dx < destWidth; ++dx) {
      int x = xSrc + static_cast<int>(static_cast<long>(dx) * srcWidth / destWidth);
      if (x < 0 || x >= info.biWidth) continue;
      Put(xDest + dx, yDest + dy, DibPixel(dib, info, x, row));
    }
  }
  return destHeight;
}

// Unscaled copies are what the view's recomposition ends with, so the
// visible part of each row is found once and copied without per-pixel tests.
int CRasterDC::SetDIBitsToDevice(int xDest, int yDest, int width, int height, int xSrc, int ySrc,
                                 const void* bits, const BITMAPINFOHEADER& info) {
  if (!IsDrawableDib(bits, info) || width <= 0 || height <= 0) return 0;
  const auto* dib = static_cast<const unsigned char*>(bits);
  const long rowLength = ((static_cast<long>(info.biWidth) * 24 + 31) / 32) * 4;
  // Columns dx that lie inside both the source row and the device.
  const int firstColumn = std::max({0, -xSrc, -xDest});
  const int endColumn = std::min({width, info.biWidth - xSrc, m_width - xDest});
  for (int dy = 0; dy < height; ++dy) {
    const int row = ySrc + height - 1 - dy;
    const int y = yDest + dy;
    if (row < 0 || row >= info.biHeight || y < 0 || y >= m_height || firstColumn >= endColumn) continue;
    const unsigned char* p = dib + row * rowLength + 3L * (xSrc + firstColumn);
    COLORREF* out = m_pixels.data() + static_cast<std::size_t>(y) * m_width + (xDest + firstColumn);
    PackRow(p, out, endColumn - firstColumn);
    m_pixelsWritten += endColumn - firstColumn;
  }
  return height;
}

COLORREF CRasterDC::SetPixel(int x, int y, COLORREF color) {
  Put(x, y, color);
  return color;
}

COLORREF CRasterDC::GetPixel(int x, int y) const {
  if (!Inside(x, y)) return 0xFFFFFFFF;  // CLR_INVALID
  return m_pixels[static_cast<std::size_t>(y) * m_width + x];
}

bool CBitmap::Create(const BITMAP& description, std::vector<unsigned char> bits) {
  if (description.bmWidth < 0 || description.bmHeight < 0 || description.bmWidthBytes < 0)
    return false;
  if (bits.size() < static_cast<std::size_t>(description.bmWidthBytes) * description.bmHeight)
    return false;
  m_description = description;
  m_bits = std::move(bits);
  return true;
}

bool CBitmap::GetBitmap(BITMAP* description) const {
  if (!description) return false;
  *description = m_description;
  return true;
}

std::size_t CBitmap::GetBitmapBits(std::size_t count, void* buffer) const {
  std::size_t n = std::min(count, m_bits.size());
  if (n) std::memcpy(buffer, m_bits.data(), n);
  return n;
}

CPoint CRasterDC::MoveTo(CPoint point) {
  m_lineStep = 0;  // a new line starts its dot and dash pattern afresh
  return CSelectingDC::MoveTo(point);
}

void CRasterDC::PutPen(int x, int y) {
  long step = m_lineStep++;
  if (m_pen.style == PS_NULL) return;
  if (PenPatternStroke(m_pen.style, step)) PutMixed(x, y, m_pen.color);
  else if (m_backgroundMode == OPAQUE) PutMixed(x, y, m_backgroundColor);
}

void CRasterDC::PutMixed(int x, int y, COLORREF color) {
  if (!Inside(x, y)) return;
  COLORREF current = m_pixels[static_cast<std::size_t>(y) * m_width + x];
  switch (m_drawMode) {
    case R2_NOT: Put(x, y, ~current & 0x00FFFFFF); break;
    case R2_XORPEN: Put(x, y, (current ^ color) & 0x00FFFFFF); break;
    default: Put(x, y, color); break;
  }
}

bool CRasterDC::LineTo(CPoint point) {
  ForEachLinePixel(m_position, point, [this](int x, int y) { PutPen(x, y); });
  m_position = point;
  return true;
}

bool CRasterDC::Rectangle(const CRect& rect) {
  CRect r = rect;
  r.NormalizeRect();
  if (r.IsRectEmpty()) return false;
  if (!m_brush.hollow) FillSolidRect(CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), m_brush.color);
  CPoint saved = m_position;
  MoveTo({r.left, r.top});
  LineTo({r.right - 1, r.top});
  LineTo({r.right - 1, r.bottom - 1});
  LineTo({r.left, r.bottom - 1});
  LineTo({r.left, r.top});
  m_position = saved;
  return true;
}

void CRasterDC::FillSolidRect(const CRect& rect, COLORREF color) {
  CRect clipped;
  if (!clipped.IntersectRect(rect, CRect(0, 0, m_width, m_height))) return;
  for (int y = clipped.top; y < clipped.bottom; ++y)
    for (int x = clipped.left; x < clipped.right; ++x) Put(x, y, color);
}

bool CRasterDC::Ellipse(const CRect& rect) {
  std::vector<EllipseRow> rows = EllipseRows(rect);
  if (rows.empty()) return false;
  for (const EllipseRow& row : rows) {
    for (int x = row.left; x < row.right; ++x) {
      const bool inner = x >= row.innerLeft && x < row.innerRight;
      if (inner && !m_brush.hollow) PutMixed(x, row.y, m_brush.color);
      if (!inner && m_pen.style != PS_NULL) PutMixed(x, row.y, m_pen.color);
    }
  }
  return true;
}
