// The hair tools' pixel operations written straight from their formulas, one
// pixel at a time through plain accessors, with nothing hoisted: what the
// library's operations must match byte for byte.
#pragma once

#include <vector>

#include "app/editing/stroke_random.h"
#include "imagelib/dib_alpha.h"

namespace reference {

std::vector<CPoint> StrokeLine(CPoint a, CPoint b);
// m[r][j] = peak * exp(-((r/h - 1)^2 + (j/h - 1)^2) / spread), h = S div 2.
std::vector<double> Mask(int size, double spread, double peak);

void PaintDab(CDibAlpha& image, int x, int y, int size, const std::vector<double>& mask, COLORREF colour);
void Smudge(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak);
void Erase(CDibAlpha& image, CPoint a, CPoint b, int size);
void PaintLine(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak, COLORREF colour);
void SprayBurst(CDibAlpha& image, int x, int y, int size, double spread, double peak, COLORREF colour,
                double density, CStrokeRandom& random);

}  // namespace reference
