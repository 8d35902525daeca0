#include "app/shell/printing/print_layout.h"

#include <algorithm>

#include "app/shell/printing/print_grid.h"

std::vector<CRect> LayoutPrintPictures(const std::vector<CSize>& sizes, const CRect& area, bool paperWide) {
  const int count = static_cast<int>(sizes.size());
  std::vector<CRect> places(sizes.size());
  const PrintGrid grid = GridForPictures(count, paperWide);
  const int cellWidth = area.Width() / grid.columns;
  const int cellHeight = area.Height() / grid.rows;
  const int innerWidth = cellWidth - kPrintCellMargin;
  const int innerHeight = cellHeight - kPrintCellMargin;
  if (innerWidth <= 0 || innerHeight <= 0) return places;
  const int offsetX = (cellWidth - innerWidth) / 2;
  const int offsetY = (cellHeight - innerHeight) / 2;

  const int placed = std::min(count, grid.Cells());
  const int lastRow = placed > 0 ? (placed - 1) / grid.columns : 0;
  const int inLastRow = placed - lastRow * grid.columns;
  const int lastRowShift = (grid.columns - inLastRow) * cellWidth / 2;

  for (int i = 0; i < placed; ++i) {
    const CSize size = sizes[i];
    if (size.cx <= 0 || size.cy <= 0) continue;
    const int row = i / grid.columns;
    const int column = i % grid.columns;
    const double scale = std::max(static_cast<double>(size.cx) / innerWidth, static_cast<double>(size.cy) / innerHeight);
    const int width = static_cast<int>(size.cx / scale + 0.5);
    const int height = static_cast<int>(size.cy / scale + 0.5);
    int left = area.left + column * cellWidth + offsetX + (innerWidth - width) / 2;
    const int top = area.top + row * cellHeight + offsetY + (innerHeight - height) / 2;
    if (row == lastRow) left += lastRowShift;
    places[i] = CRect(left, top, left + width, top + height);
  }
  return places;
}
