// A device context over an in-memory raster: what printing previews, off-
// screen composition and the tests draw into. Pixels outside the raster are
// clipped. Stretching is colour-on-colour: nearest source pixel, rows and
// columns deleted or repeated, never blended. Lines are one pixel wide
// whatever the pen's width: the raster DC serves tests and previews, where
// trackers are drawn with thin pens anyway.
#pragma once

#include <vector>

#include "platform/core/selecting_dc.h"

class CRasterDC : public CSelectingDC {
 public:
  CRasterDC(int width, int height, COLORREF background = RGB(0, 0, 0));

  int Width() const { return m_width; }
  int Height() const { return m_height; }

  int SetStretchBltMode(int mode) override;
  int GetStretchBltMode() const override { return m_stretchMode; }
  int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, const void* bits, const BITMAPINFOHEADER& info,
                    unsigned long rop) override;
  int SetDIBitsToDevice(int xDest, int yDest, int width, int height, int xSrc, int ySrc,
                        const void* bits, const BITMAPINFOHEADER& info) override;
  COLORREF SetPixel(int x, int y, COLORREF color) override;
  COLORREF GetPixel(int x, int y) const override;

  CPoint MoveTo(CPoint point) override;
  bool LineTo(CPoint point) override;
  bool Rectangle(const CRect& rect) override;
  bool Ellipse(const CRect& rect) override;
  void FillSolidRect(const CRect& rect, COLORREF color) override;

  // How many pixels were written since construction: lets a test tell
  // "drew nothing" from "drew the same colour".
  long PixelsWritten() const { return m_pixelsWritten; }
  // The pixels, top row first, each 0x00BBGGRR: in memory the bytes red,
  // green, blue, 0, so a window system can show them without a copy.
  const COLORREF* Pixels() const { return m_pixels.data(); }

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  void Put(int x, int y, COLORREF color);
  // One pixel of a line: the pen's colour (or in an opaque gap the
  // background colour) combined by the drawing mode.
  void PutPen(int x, int y);
  void PutMixed(int x, int y, COLORREF color);

  long m_lineStep = 0;  // counts pixels along lines for the dotted styles

  int m_width;
  int m_height;
  int m_stretchMode = BLACKONWHITE;
  long m_pixelsWritten = 0;
  std::vector<COLORREF> m_pixels;  // top row first
};
