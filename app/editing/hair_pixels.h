// The hair tools' pixel operations on a layer image, in image pixels: plain
// functions with no document and no window, so they are tested directly.
//
// Every operation weights its pixels with a Gaussian mask from
// CDibAlpha::CreateNormalMask; a square of S x S pixels is addressed by its
// top-left corner, which lies S div 2 left of and above the point the user
// aims at. Colour rows are bottom-up, the transparency plane top-down; all
// arithmetic is in doubles and truncated, as the tools have always done, so
// strokes repeat byte for byte.
//
// The stroke, not the operation, says which rectangle a step touched (the
// squares at both ends of the segment, with a margin): see hair_stroke.h.
#pragma once

#include <memory>
#include <vector>

#include "app/editing/stroke_random.h"
#include "imagelib/dib_alpha.h"

// The Bresenham points from a to b, both included: max(|dx|, |dy|) + 1 of
// them.
std::vector<CPoint> StrokeLine(CPoint a, CPoint b);

// An S x S grid of weights peak * exp(-((r/h - 1)^2 + (j/h - 1)^2) / spread),
// h = S div 2, row-major; null when S < 1 or memory is short.
std::unique_ptr<double[]> CreateBrushMask(int size, double spread, double peak);

// Paints `colour` (0x00BBGGRR) into the S x S square around (x, y) through
// the mask, pixel by pixel; pixels outside the image are skipped.
void PaintDab(CDibAlpha& image, int x, int y, int size, double spread, double peak, COLORREF colour);
// The same with a mask made by the caller (PaintLine makes one per segment).
void PaintDab(CDibAlpha& image, int x, int y, int size, const double* mask, COLORREF colour);

// The comb: drags the S x S square from each point of the segment a -> b to
// the next, blending it over what is there (colour and transparency). A step
// whose squares would reach outside the image is skipped whole.
void Smudge(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak);

// The snippers: raises the transparency under the inner points of a -> b
// (neither end), at most 16 per pass at the centre. Colours are kept.
void Erase(CDibAlpha& image, CPoint a, CPoint b, int size);

// Dabs along a -> b, every point but b (the next segment starts there).
void PaintLine(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak, COLORREF colour);

// trunc(S * S * density) random samples of the square around (x, y); those
// inside its inscribed circle are painted with the dab's rule.
void SprayBurst(CDibAlpha& image, int x, int y, int size, double spread, double peak, COLORREF colour,
                 double density, CStrokeRandom& random);
