#include "app/shell/printing/print_grid.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// (larger, smaller) for each n from 0 to 256, built as the table is defined:
// each shape entered at its cell count and at every smaller n still empty.
using Shape = std::pair<int, int>;

std::array<Shape, kMaxPrintPictures + 1> BuildTable() {
  std::array<Shape, kMaxPrintPictures + 1> table{};
  int filled = 0;
  auto enter = [&](int larger, int smaller) {
    if (larger == 0 || smaller == 0) return;
    for (int n = filled + 1; n <= larger * smaller && n <= kMaxPrintPictures; ++n) table[n] = {larger, smaller};
    filled = std::max(filled, std::min(larger * smaller, kMaxPrintPictures));
  };
  for (int k = 1; k <= 16; ++k) {
    enter(k, k - 1);
    enter(k, k);
  }
  table[0] = {1, 1};
  return table;
}

}  // namespace

PrintGrid GridForPictures(int pictures, bool paperWide) {
  static const std::array<Shape, kMaxPrintPictures + 1> table = BuildTable();
  const Shape shape = table[std::clamp(pictures, 0, kMaxPrintPictures)];
  return paperWide ? PrintGrid{shape.first, shape.second} : PrintGrid{shape.second, shape.first};
}
