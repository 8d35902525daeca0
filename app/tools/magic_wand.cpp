// The wand's fill is the span fill: a span is grown left and right over
// candidate cells, marked, and every run of candidates touching it in the
// rows above and below is pushed as a new seed. An explicit stack keeps a
// 12-megapixel photo from exhausting the call stack; the set filled is the
// 4-connected component of the seed, whatever order the spans come in.
//
// The boundary is walked along cell edges with the selection on the right:
// where two selected cells meet only at a corner the walk turns away from
// the diagonal, as 4-connectivity says they do not touch.
#include "app/tools/magic_wand.h"

#include <algorithm>
#include <cstdlib>

#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

namespace {

constexpr unsigned char kCandidate = 1;
constexpr unsigned char kFilled = 255;

std::vector<unsigned char> CandidateGrid(CDibAlpha& image, CPoint seed, int tolerance) {
  const int w = image.Width();
  const int h = image.Height();
  std::vector<unsigned char> grid(static_cast<std::size_t>(w) * h, 0);
  pixkit::LockedPixels pixels(image);
  pixkit::LockedAlpha plane(image);
  if (!pixels || !plane) return grid;
  const unsigned char* s = pixels.Row(seed.y) + 3 * seed.x;
  const int b0 = s[0], g0 = s[1], r0 = s[2];
  for (int y = 0; y < h; ++y) {
    const unsigned char* p = pixels.Row(y);
    const unsigned char* a = plane.Row(y);
    unsigned char* out = grid.data() + static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w; ++x, p += 3) {
      const int distance = std::abs(p[0] - b0) + std::abs(p[1] - g0) + std::abs(p[2] - r0);
      out[x] = distance <= tolerance && a[x] < 255 ? kCandidate : 0;
    }
  }
  return grid;
}

void SpanFill(std::vector<unsigned char>& grid, int w, int h, CPoint seed) {
  if (grid[static_cast<std::size_t>(seed.y) * w + seed.x] != kCandidate) return;
  std::vector<CPoint> stack{seed};
  while (!stack.empty()) {
    const CPoint p = stack.back();
    stack.pop_back();
    unsigned char* row = grid.data() + static_cast<std::size_t>(p.y) * w;
    if (row[p.x] != kCandidate) continue;
    int left = p.x;
    int right = p.x + 1;
    while (left > 0 && row[left - 1] == kCandidate) --left;
    while (right < w && row[right] == kCandidate) ++right;
    std::fill(row + left, row + right, kFilled);
    for (int ny : {p.y - 1, p.y + 1}) {
      if (ny < 0 || ny >= h) continue;
      const unsigned char* next = grid.data() + static_cast<std::size_t>(ny) * w;
      for (int x = left; x < right; ++x) {
        if (next[x] == kCandidate && (x == left || next[x - 1] != kCandidate)) stack.push_back({x, ny});
      }
    }
  }
}

}  // namespace

int WandTolerance(int pressure) {
  return std::clamp(static_cast<int>((100 - pressure) * 2.55), 0, 255);
}

int WandFeatherRadius(int thickness) {
  static constexpr int kRadii[] = {0, 5, 9, 13, 17, 21};
  return thickness >= 1 && thickness <= 6 ? kRadii[thickness - 1] : 0;
}

std::vector<unsigned char> WandFill(CDibAlpha& image, CPoint seed, int tolerance) {
  const int w = image.Width();
  const int h = image.Height();
  std::vector<unsigned char> grid = CandidateGrid(image, seed, tolerance);
  SpanFill(grid, w, h, seed);
  for (unsigned char& cell : grid) cell = cell == kFilled ? 1 : 0;
  return grid;
}

std::vector<CPoint> TraceOuterBoundary(const std::vector<unsigned char>& filled, int w, int h) {
  const auto at = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && filled[static_cast<std::size_t>(y) * w + x] != 0;
  };
  const auto first = std::find_if(filled.begin(), filled.end(), [](unsigned char c) { return c != 0; });
  if (first == filled.end()) return {};
  const int index = static_cast<int>(first - filled.begin());
  const CPoint start{index % w, index / w};

  // Directions clockwise on screen: right, down, left, up.
  static constexpr int kDx[] = {1, 0, -1, 0};
  static constexpr int kDy[] = {0, 1, 0, -1};
  // The cells ahead of a corner, to the right and to the left of the heading.
  const auto frontRight = [&](CPoint c, int dir) {
    switch (dir) {
      case 0: return at(c.x, c.y);
      case 1: return at(c.x - 1, c.y);
      case 2: return at(c.x - 1, c.y - 1);
      default: return at(c.x, c.y - 1);
    }
  };
  const auto frontLeft = [&](CPoint c, int dir) {
    switch (dir) {
      case 0: return at(c.x, c.y - 1);
      case 1: return at(c.x, c.y);
      case 2: return at(c.x - 1, c.y);
      default: return at(c.x - 1, c.y - 1);
    }
  };

  std::vector<CPoint> corners;
  CPoint corner = start;
  int dir = 0;
  int previous = -1;
  // Each cell edge is walked at most once, so the walk is bounded.
  const long long limit = 4LL * w * h + 4;
  for (long long step = 0; step < limit; ++step) {
    if (!frontRight(corner, dir))
      dir = (dir + 1) % 4;
    else if (frontLeft(corner, dir))
      dir = (dir + 3) % 4;
    if (step > 0 && corner == start && dir == 0) break;
    if (dir != previous) corners.push_back(corner);
    previous = dir;
    corner = {corner.x + kDx[dir], corner.y + kDy[dir]};
  }
  return corners;
}

std::optional<CWandSelection> WandSelect(CDibAlpha& image, CPoint seed, int tolerance) {
  const int w = image.Width();
  const int h = image.Height();
  if (seed.x < 0 || seed.y < 0 || seed.x >= w || seed.y >= h) return std::nullopt;
  const std::vector<unsigned char> filled = WandFill(image, seed, tolerance);

  CWandSelection selection;
  int left = w, top = h, right = 0, bottom = 0;
  for (int y = 0; y < h; ++y) {
    const unsigned char* row = filled.data() + static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      if (!row[x]) continue;
      left = std::min(left, x);
      right = std::max(right, x + 1);
      top = std::min(top, y);
      bottom = std::max(bottom, y + 1);
    }
  }
  if (right <= left) {
    // Nothing selected: an empty box with its margin, all unselected.
    left = right = seed.x;
    top = bottom = seed.y;
  }
  CSelectionMask& mask = selection.mask;
  mask.width = right - left + 2 * kMaskMargin;
  mask.height = bottom - top + 2 * kMaskMargin;
  mask.origin = {left - kMaskMargin, top - kMaskMargin};
  mask.cells.assign(static_cast<std::size_t>(mask.width) * mask.height, 255);
  for (int y = top; y < bottom; ++y) {
    const unsigned char* row = filled.data() + static_cast<std::size_t>(y) * w;
    unsigned char* out = mask.cells.data() + static_cast<std::size_t>(y - mask.origin.y) * mask.width;
    for (int x = left; x < right; ++x)
      if (row[x]) out[x - mask.origin.x] = 0;
  }
  selection.outline = TraceOuterBoundary(filled, w, h);
  return selection;
}
