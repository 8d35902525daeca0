// Direct, per-pixel implementations of the resampling, geometry and effect
// formulas, written for reading rather than speed. The tests hold the
// library's fast versions to them byte for byte; the benchmarks time both.
#pragma once

#include <memory>

#include "imagelib/dib.h"

namespace reference {

std::unique_ptr<CDib> ZoomIn(CDib& image, CSize size);
std::unique_ptr<CDib> ZoomX_Out(CDib& image, int width);
std::unique_ptr<CDib> ZoomY_Out(CDib& image, int height);
std::unique_ptr<CDib> Rotate(CDib& image, int degrees, unsigned long background);
void PasteTransform(CDib& target, CDib& source, CPoint at, CSize size);
void Cut2(CDib& target, CDib& first, CDib& second, CPoint firstStart, CPoint secondStart);
void FillTexture(CDib& target, CDib& tile);
std::unique_ptr<CDib> Contrast(CDib& image, int amount);
std::unique_ptr<CDib> Filter(CDib& image, unsigned long color, int level);
std::unique_ptr<CDib> Grayscale(CDib& image, CDib::TypeStGray type);
std::unique_ptr<CDib> CrossDissolve(CDib& image, CDib& other, double amount);
std::unique_ptr<CDib> Emboss(CDib& image);
std::unique_ptr<CDib> HeightMap(CDib& image, int amount);

}  // namespace reference
