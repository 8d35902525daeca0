// Direct, per-pixel implementations of the layer compositing and the blur
// brush, written for reading rather than speed. The tests hold the library's
// versions to them; the benchmarks time both.
#pragma once

#include <memory>

#include "imagelib/dib_alpha.h"

namespace reference {

// The layer's plane byte at (x, y), top-down.
unsigned char AlphaAt(CDibAlpha& layer, int x, int y);
void SetAlphaAt(CDibAlpha& layer, int x, int y, unsigned char value);

std::unique_ptr<CDib> PutUnderRectTransform(CDibAlpha& layer, CDib& background, CPoint at, CRect area, double sine,
                                            double cosine, CSize scaledSize, CSize boxSize);
// The brush blur with the 2-D kernel summed directly.
void RegionBlur(CDibAlpha& layer, const unsigned char* mask, int width, int height, CPoint at, int sigma);

}  // namespace reference
