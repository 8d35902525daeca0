// Layer images for the hair-tool tests: random colours over a plane that
// mixes opaque, transparent and in-between pixels, and byte comparisons of
// both planes.
#pragma once

#include <memory>
#include <random>
#include <vector>

#include "imagelib/dib_alpha.h"
#include "tests/imagelib/image_builders.h"

namespace hairtest {

inline std::unique_ptr<CDibAlpha> RandomLayer(int width, int height, unsigned seed) {
  std::unique_ptr<CDib> colour = testimg::RandomImage(width, height, seed);
  auto layer = std::make_unique<CDibAlpha>();
  layer->Create(colour.get(), 0);
  std::mt19937 random(seed + 1);
  unsigned char* plane = layer->LockAlpha();
  for (int i = 0; i < width * height; ++i) {
    const unsigned kind = random() % 4;
    plane[i] = kind == 0 ? 0 : kind == 1 ? 255 : static_cast<unsigned char>(random());
  }
  layer->UnlockAlpha();
  return layer;
}

inline unsigned char AlphaAt(CDibAlpha& image, int x, int y) {
  unsigned char* plane = image.LockAlpha();
  image.UnlockAlpha();
  return plane[y * image.Width() + x];
}

// The pixels whose colour or transparency differ.
inline std::vector<CPoint> ChangedPixels(CDibAlpha& a, CDibAlpha& b) {
  std::vector<CPoint> changed;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (testimg::GetPixel(a, x, y) != testimg::GetPixel(b, x, y) || AlphaAt(a, x, y) != AlphaAt(b, x, y))
        changed.push_back({x, y});
  return changed;
}

inline bool SameLayer(CDibAlpha& a, CDibAlpha& b) { return ChangedPixels(a, b).empty(); }

}  // namespace hairtest
