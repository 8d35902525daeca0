// The drawing surface of the item generator: straight colour with a coverage
// channel, painted with "over" so that a half-covered edge pixel keeps the
// colour of what was drawn there, never a mix with the empty background.
// That is what keeps items free of a dark halo when the program scales them.
//
// Shapes are given as signed distances (negative inside, in canvas pixels)
// and turned into coverage over a band `feather` pixels wide: 1 gives a
// crisp anti-aliased edge, more gives the soft edges of fabric, shadows and
// skin forms.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "imagelib/dib_alpha.h"

struct Colour {
  float r = 0, g = 0, b = 0;  // 0..255
};
Colour MixColour(Colour a, Colour b, float t);
Colour ScaleColour(Colour c, float factor);
Colour Grey(float level);

// Where an item's picture lies on the sample portrait: canvas pixel
// (x, y) shows portrait point (originX + x / scale, originY + y / scale).
// Items are drawn at twice the portrait's resolution so they stay sharp
// when a photo shows the face larger.
struct ItemFrame {
  int originX = 0;
  int originY = 0;
  int width = 0;   // in portrait pixels
  int height = 0;
  int scale = 2;
};

class ItemCanvas {
 public:
  explicit ItemCanvas(const ItemFrame& frame);

  const ItemFrame& Frame() const { return m_frame; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // Portrait coordinates to canvas coordinates.
  float X(float portraitX) const { return (portraitX - m_frame.originX) * m_frame.scale; }
  float Y(float portraitY) const { return (portraitY - m_frame.originY) * m_frame.scale; }
  float S(float portraitLength) const { return portraitLength * m_frame.scale; }

  // Paints `colour` over the pixel with `alpha` (0..1).
  void Paint(int x, int y, Colour colour, float alpha);
  float CoverageAt(int x, int y) const { return m_alpha[Index(x, y)]; }
  Colour ColourAt(int x, int y) const { return m_colour[Index(x, y)]; }
  // Multiplies the coverage of every pixel by `keep(x, y)` (0..1): cuts
  // openings such as the face out of a hairstyle.
  template <typename Keep>
  void Mask(Keep keep) {
    for (int y = 0; y < m_height; ++y)
      for (int x = 0; x < m_width; ++x) m_alpha[Index(x, y)] *= keep(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
  }

  // Fills a shape over the canvas box [left, right) x [top, bottom). The
  // distance and the shade are called with the pixel centre.
  template <typename Distance, typename Shade>
  void FillShape(float left, float top, float right, float bottom, Distance distance, Shade shade, float opacity,
                 float feather = 1.0f) {
    const int x0 = ClampX(left - feather), x1 = ClampX(right + feather + 1);
    const int y0 = ClampY(top - feather), y1 = ClampY(bottom + feather + 1);
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
        const float d = distance(px, py);
        float coverage = 0.5f - d / feather;
        if (coverage <= 0) continue;
        if (coverage > 1) coverage = 1;
        Paint(x, y, shade(px, py), coverage * opacity);
      }
  }
  template <typename Distance>
  void FillShape(float left, float top, float right, float bottom, Distance distance, Colour colour, float opacity,
                 float feather = 1.0f) {
    FillShape(left, top, right, bottom, distance, [colour](float, float) { return colour; }, opacity, feather);
  }

  // One strand of hair, a thread or a chain: a polyline with a width and a
  // colour at every point, laid down at once so its joints do not darken.
  struct StrandPoint {
    float x, y, width;
    Colour colour;
  };
  void Strand(const std::vector<StrandPoint>& points, float opacity);

  // The picture with its transparency plane (0 opaque, 255 not drawn). The
  // colour of empty pixels is spread from their drawn neighbours so that
  // JPEG blocks and scaling never pull a foreign colour into an edge.
  std::unique_ptr<CDibAlpha> ToDibAlpha() const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * m_width + x; }
  int ClampX(float x) const;
  int ClampY(float y) const;

  ItemFrame m_frame;
  int m_width, m_height;
  std::vector<Colour> m_colour;
  std::vector<float> m_alpha;
  // Scratch for Strand: the strongest coverage per pixel and the pixels touched.
  std::vector<float> m_strandCoverage;
  std::vector<Colour> m_strandColour;
  std::vector<std::uint32_t> m_strandTouched;
};

// Signed distances, in the units of their arguments.
float DistanceToEllipse(float x, float y, float cx, float cy, float rx, float ry);
float DistanceToSegment(float x, float y, float ax, float ay, float bx, float by);
float DistanceToRoundedBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius);
// A closed polygon (points as x0, y0, x1, y1, ...).
float DistanceToPolygon(float x, float y, const std::vector<float>& points);
// A closed "superellipse": exponent 2 is an ellipse, larger is squarer.
float DistanceToSuperellipse(float x, float y, float cx, float cy, float rx, float ry, float exponent);

// A small deterministic generator, so every build draws the same items.
class ItemRandom {
 public:
  explicit ItemRandom(std::uint32_t seed) : m_state(seed * 2654435761u + 0x9E3779B9u) {}
  std::uint32_t Next();
  float Uniform(float low, float high);  // [low, high)
  float Normal(float mean, float spread);

 private:
  std::uint64_t m_state;
};
