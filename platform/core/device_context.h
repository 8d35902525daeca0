// What the image code draws onto: a device context. The calls mirror the
// raster transfers a 24-bit packed DIB needs (stretched and unscaled copies,
// single pixels). Source rectangles are in DIB convention: y counts rows from
// the bottom of the image. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/dib_header.h"
#include "platform/core/geometry.h"

using COLORREF = std::uint32_t;

inline constexpr COLORREF RGB(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
inline constexpr unsigned GetRValue(COLORREF c) { return c & 0xFF; }
inline constexpr unsigned GetGValue(COLORREF c) { return (c >> 8) & 0xFF; }
inline constexpr unsigned GetBValue(COLORREF c) { return (c >> 16) & 0xFF; }

enum StretchMode { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
inline constexpr unsigned long SRCCOPY = 0x00CC0020;

// How lines and outlines combine with what is on the device. XOR drawing is
// how trackers and rubber bands draw and erase themselves: drawing the same
// shape twice restores the device.
enum DrawMode { R2_NOT = 6, R2_XORPEN = 7, R2_COPYPEN = 13 };

enum PenStyle { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_NULL = 5 };

// What the gaps of a dotted or dashed pen draw: nothing (TRANSPARENT, the
// default here) or the background colour through the drawing mode (OPAQUE).
// A dotted black pen in XOR mode shows only through its opaque white gaps.
enum BackgroundMode { TRANSPARENT = 1, OPAQUE = 2 };

struct CPen {
  int style = PS_SOLID;
  int width = 1;
  COLORREF color = 0;
};

// A brush fills the inside of shapes; a hollow one leaves it alone.
struct CBrush {
  bool hollow = true;
  COLORREF color = 0;

  static CBrush Solid(COLORREF c) { return {false, c}; }
  static CBrush Hollow() { return {}; }
};

class CDC {
 public:
  virtual ~CDC() = default;

  // Returns the previous mode.
  virtual int SetStretchBltMode(int mode) = 0;
  virtual int GetStretchBltMode() const = 0;

  // Stretches the source rectangle of a bottom-up 24-bit DIB onto the
  // destination rectangle. Returns the number of scan lines drawn.
  virtual int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                            int srcWidth, int srcHeight, const void* bits,
                            const BITMAPINFOHEADER& info, unsigned long rop) = 0;

  // Copies width x height pixels unscaled; (xSrc, ySrc) is the lower-left
  // corner of the source block in DIB coordinates. Returns the lines drawn.
  virtual int SetDIBitsToDevice(int xDest, int yDest, int width, int height, int xSrc, int ySrc,
                                const void* bits, const BITMAPINFOHEADER& info) = 0;

  // Returns the colour set.
  virtual COLORREF SetPixel(int x, int y, COLORREF color) = 0;
  virtual COLORREF GetPixel(int x, int y) const = 0;

  // Line drawing with the selected pen and drawing mode. Each Select and Set
  // returns what was selected before. LineTo draws from the current position
  // up to, not including, the end point, which becomes the current position.
  virtual int SetROP2(int drawMode) = 0;
  virtual CPen SelectPen(const CPen& pen) = 0;
  virtual CBrush SelectBrush(const CBrush& brush) = 0;
  virtual CPoint MoveTo(CPoint point) = 0;
  virtual bool LineTo(CPoint point) = 0;
  // Outline with the pen (right and bottom edges excluded, as a rectangle's
  // are), inside with the brush.
  virtual bool Rectangle(const CRect& rect) = 0;
  // The ellipse inscribed in `rect` (right and bottom excluded): outline with
  // the pen's colour, inside with the brush, both through the drawing mode.
  // Each pixel is drawn once, so an XOR ellipse drawn twice vanishes.
  virtual bool Ellipse(const CRect& rect) = 0;
  // Both return what was set before.
  virtual int SetBkMode(int mode) = 0;
  virtual COLORREF SetBkColor(COLORREF color) = 0;
  // Plain copy of one colour, whatever pen, brush or mode are selected.
  virtual void FillSolidRect(const CRect& rect, COLORREF color) = 0;
};

// A device bitmap as a device context holds it: rows top first, 24 bits a
// pixel, each row `widthBytes` long.
struct BITMAP {
  int bmWidth = 0;
  int bmHeight = 0;
  int bmWidthBytes = 0;
  int bmBitsPixel = 0;
};

class CBitmap {
 public:
  // Takes a description and top-row-first bits of widthBytes x height bytes.
  bool Create(const BITMAP& description, std::vector<unsigned char> bits);
  bool GetBitmap(BITMAP* description) const;
  // Copies up to `count` bytes of the bits; returns how many were copied.
  std::size_t GetBitmapBits(std::size_t count, void* buffer) const;

 private:
  BITMAP m_description;
  std::vector<unsigned char> m_bits;
};
