// A small drawing surface for the style generator: 24-bit colour, top-down,
// with the few shapes the style's pictures are made of. Shapes are
// anti-aliased by coverage so that edges look clean at small sizes. Pure
// black means "see-through" in control pictures, so the shapes never produce
// it unless asked to (Clear).
#pragma once

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
  Canvas(int width, int height, Rgb fill = {});

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  Rgb At(int x, int y) const { return m_pixels[static_cast<std::size_t>(y * m_width + x)]; }
  // Blends `colour` into the pixel with `coverage` (0..1).
  void Blend(int x, int y, Rgb colour, double coverage);

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
  // Coverage of the pixel by a shape given as a signed distance (negative inside).
  template <typename Distance>
  void Shape(double left, double top, double right, double bottom, Distance distance, Rgb colour);

  int m_width, m_height;
  std::vector<Rgb> m_pixels;
};
