// A device context over a QPainter: how the image library and the controls
// draw onto widgets, pixmaps and images. Raster transfers are nearest-pixel
// (colour-on-colour), never smoothed. XOR and NOT drawing use Qt's raster
// operations, which exist only on image-backed painters (QImage, RGB32 or
// ARGB32): on other devices those modes draw nothing, so trackers draw on
// an off-screen image. Pixels can be read back only from image devices.
// Dotted and dashed lines and ellipses are drawn pixel by pixel as the raster
// device draws them (platform/core/raster_shapes.h), so both agree exactly.
#pragma once

#include <QPainter>

#include "platform/core/selecting_dc.h"

class CPainterDC : public CSelectingDC {
 public:
  // The painter must be active and outlive this object.
  explicit CPainterDC(QPainter& painter);

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

  QPainter& Painter() { return m_painter; }

 private:
  bool SupportsRasterOps() const;
  // Sets the composition for the drawing mode; false when the device cannot
  // draw in it.
  bool PrepareMode();
  // Sets pen and composition for a line; false when nothing should be drawn.
  bool PreparePen();
  // Fills pixels [left, right) of row y in the drawing mode (composition
  // prepared).
  void FillSpan(int left, int right, int y, COLORREF color);

  QPainter& m_painter;
  int m_stretchMode = BLACKONWHITE;
  long m_lineStep = 0;  // place along joined styled lines, as the raster device counts it
};

// The density of pictures this painter shows pixel for pixel: 2 where a
// unit it draws covers about two device pixels each way or more (a screen
// or image of device pixel ratio 2), else 1. From the device transform, so
// a widget rendered into an image of ratio 2 counts as 2 as well.
int PictureScale(const QPainter& painter);

QColor ToQColor(COLORREF color);
COLORREF FromQColor(const QColor& color);
