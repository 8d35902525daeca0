// Where each picture sits on the page: the grid's cells (integer division
// of the area), an inner area 10 pixels smaller centred in each, the
// picture scaled to fit it keeping its proportions and centred, the cells
// filled row by row, and a last row that is not full shifted right by half
// the width of its empty cells so that it is centred.
#pragma once

#include <vector>

#include "platform/core/geometry.h"

inline constexpr int kPrintCellMargin = 10;

// `area` is the paper (less the sign's band); pictures are `sizes` in
// order. A picture with no width or height, or a cell too small for any
// inner area, gets an empty rectangle. Pictures past the grid's cells are
// not placed (empty rectangles).
std::vector<CRect> LayoutPrintPictures(const std::vector<CSize>& sizes, const CRect& area, bool paperWide);
