// A small drawing surface for the style generator: 24-bit colour, top-down,
// with the few shapes the style's pictures are made of. Shapes are
// anti-aliased by coverage so that edges look clean at small sizes. Pure
// black means "see-through" in control pictures, so the shapes never produce
// it unless asked to (Clear).
//
// Everything is drawn in the picture's units; a canvas of scale 2 has twice
// the pixels each way and draws the same shapes and type again at that
// density, so a picture for a screen of twice the density is redrawn, not
// enlarged.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "imagelib/dib.h"
#include "styles/Style_1/type_face.h"

struct Rgb {
  int r = 0, g = 0, b = 0;
};
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scale(Rgb c, double factor);

class Canvas {
 public:
  // `width` × `height` units of `scale` × `scale` pixels each.
  Canvas(int width, int height, Rgb fill = {}, int scale = 1);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  int Scale() const { return m_scale; }
  int PixelWidth() const { return m_width * m_scale; }
  int PixelHeight() const { return m_height * m_scale; }
  // Pixels, not units.
  Rgb At(int px, int py) const { return m_pixels[static_cast<std::size_t>(py * PixelWidth() + px)]; }
  // Blends `colour` into the pixel with `coverage` (0..1).
  void Blend(int px, int py, Rgb colour, double coverage);
  // Blends `colour` into every pixel with the coverage (0..1) that
  // `coverage(x, y)` gives at the pixel's centre, in units.
  template <typename Coverage>
  void Field(Rgb colour, Coverage coverage) {
    for (int py = 0; py < PixelHeight(); ++py)
      for (int px = 0; px < PixelWidth(); ++px)
        Blend(px, py, colour, coverage((px + 0.5) / m_scale, (py + 0.5) / m_scale));
  }

  // Fills each row of pixels with `colourAt(y)`, y being the row's top in units.
  template <typename RowColour>
  void Rows(RowColour colourAt) {
    for (int py = 0; py < PixelHeight(); ++py) {
      Rgb colour = colourAt(py / double(m_scale));
      std::fill_n(m_pixels.begin() + static_cast<std::ptrdiff_t>(py) * PixelWidth(), PixelWidth(), colour);
    }
  }
  void VerticalGradient(Rgb top, Rgb bottom);
  void FillRect(int left, int top, int right, int bottom, Rgb colour);
  // A rounded rectangle of doubles, filled with a vertical gradient.
  void RoundRect(double left, double top, double right, double bottom, double radius, Rgb topColour,
                 Rgb bottomColour);
  void RoundRectOutline(double left, double top, double right, double bottom, double radius, double width,
                        Rgb colour);
  void Disc(double cx, double cy, double radius, Rgb colour);
  void Line(double x0, double y0, double x1, double y1, double width, Rgb colour);
  // A circle's outline of the given stroke width.
  void Ring(double cx, double cy, double radius, double width, Rgb colour);
  // Part of a circle's outline with round ends, from angle `from` to `to`
  // (radians, clockwise on screen from east; `to` > `from`).
  void Arc(double cx, double cy, double radius, double from, double to, double width, Rgb colour);
  // Text in the style's type face, its baseline's left end at (x, baseline).
  void Text(const std::string& text, int x, int baseline, double size, Rgb colour,
            Weight weight = Weight::kRegular);
  // Text centred on `centreX`, its capitals centred on `centreY`.
  void CentredText(const std::string& text, double centreX, double centreY, double size, Rgb colour,
                   Weight weight = Weight::kRegular);

  // The picture as a BMP or JPEG file, written by the image library.
  std::vector<unsigned char> ToBmpFile() const;
  std::vector<unsigned char> ToJpegFile(int quality) const;
  void ToDib(CDib& dib) const;

 private:
  // Coverage of the pixels by a shape given as a signed distance in pixels
  // (negative inside); the bounds are in pixels too.
  template <typename Distance>
  void Shape(double left, double top, double right, double bottom, Distance distance, Rgb colour);

  int m_width, m_height, m_scale;
  std::vector<Rgb> m_pixels;
};
