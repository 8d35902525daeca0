// Coverage is decided per row: the pixel centres of row y lie on the line
// y + 0.5, and each edge that crosses that line turns into a whole-number
// threshold: the edge adds its direction (+1 going down, -1 going up) to the
// winding number of every pixel left of the threshold. The threshold is worked
// out exactly in 128-bit integers, so no rounding of the crossing point can
// make the two queries disagree, whatever int coordinates come in.
#include "platform/core/polygon_region.h"

#include <algorithm>
#include <optional>

namespace {

using Wide = __int128;

struct Crossing {
  long long threshold;  // the edge counts for pixels x < threshold
  int direction;
};

Wide CeilDiv(Wide numerator, Wide positiveDenominator) {
  Wide quotient = numerator / positiveDenominator;  // toward zero
  if (numerator > 0 && numerator % positiveDenominator != 0) ++quotient;
  return quotient;
}

// Where the edge from `from` to `to` crosses the centre line of row y, if it
// does. The centre (x + 0.5) is left of the crossing point X when
// 2x + 1 < 2X, i.e. x < (2X - 1) / 2; a centre exactly on the edge is not
// left of it, which is the "a hair to the right" rule of the header.
std::optional<Crossing> CrossRow(CPoint from, CPoint to, long long y) {
  const long long y0 = from.y;
  const long long y1 = to.y;
  if (!((y0 <= y && y < y1) || (y1 <= y && y < y0))) return std::nullopt;
  const Wide dx = static_cast<Wide>(to.x) - from.x;
  const Wide dy = static_cast<Wide>(y1) - y0;
  // (2X - 1) / 2 with X = x0 + (y + 0.5 - y0) * dx / dy, over the common
  // denominator 2 * dy.
  Wide numerator = 2 * static_cast<Wide>(from.x) * dy + (2 * (static_cast<Wide>(y) - y0) + 1) * dx - dy;
  Wide denominator = 2 * dy;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  return Crossing{static_cast<long long>(CeilDiv(numerator, denominator)), dy > 0 ? 1 : -1};
}

}  // namespace

CPolygonRegion::CPolygonRegion(std::span<const CPoint> vertices)
    : m_vertices(vertices.begin(), vertices.end()) {}

bool CPolygonRegion::PtInRegion(int x, int y) const {
  const std::size_t count = m_vertices.size();
  int winding = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const auto crossing = CrossRow(m_vertices[i], m_vertices[(i + 1) % count], y);
    if (crossing && x < crossing->threshold) winding += crossing->direction;
  }
  return winding != 0;
}

void CPolygonRegion::ForEachSpan(const std::function<void(int y, int left, int right)>& span) const {
  const std::size_t count = m_vertices.size();
  if (count < 2) return;

  struct Edge {
    CPoint from, to;
    int top, bottom;
  };
  std::vector<Edge> edges;
  for (std::size_t i = 0; i < count; ++i) {
    const CPoint from = m_vertices[i];
    const CPoint to = m_vertices[(i + 1) % count];
    if (from.y != to.y) edges.push_back({from, to, std::min(from.y, to.y), std::max(from.y, to.y)});
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.top < b.top; });

  long long firstRow = edges.front().top;
  long long lastRow = firstRow;
  for (const Edge& edge : edges) lastRow = std::max<long long>(lastRow, edge.bottom);

  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  std::size_t nextEdge = 0;
  for (long long y = firstRow; y < lastRow; ++y) {
    while (nextEdge < edges.size() && edges[nextEdge].top <= y) active.push_back(&edges[nextEdge++]);
    std::erase_if(active, [y](const Edge* edge) { return edge->bottom <= y; });

    crossings.clear();
    for (const Edge* edge : active) {
      if (auto crossing = CrossRow(edge->from, edge->to, y)) crossings.push_back(*crossing);
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.threshold < b.threshold; });

    // Left of every threshold all edges count, and they cancel out on a
    // closed polygon; each threshold passed drops its edge's direction.
    // Neighbouring inside runs are joined, so each run is reported once.
    int winding = 0;
    long long runLeft = 0;
    long long runRight = 0;
    bool inRun = false;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding -= crossings[i].direction;
      const long long spanLeft = crossings[i].threshold;
      const long long spanRight = crossings[i + 1].threshold;
      if (winding == 0 || spanRight <= spanLeft) continue;
      if (inRun && spanLeft == runRight) {
        runRight = spanRight;
        continue;
      }
      // Thresholds stay within the vertices' x range and rows within their
      // y range, so every value fits an int.
      if (inRun) span(static_cast<int>(y), static_cast<int>(runLeft), static_cast<int>(runRight));
      runLeft = spanLeft;
      runRight = spanRight;
      inRun = true;
    }
    if (inRun) span(static_cast<int>(y), static_cast<int>(runLeft), static_cast<int>(runRight));
  }
}

CRect CPolygonRegion::GetRgnBox() const {
  bool any = false;
  CRect box;
  ForEachSpan([&](int y, int left, int right) {
    if (!any) {
      box = CRect(left, y, right, y + 1);
      any = true;
    } else {
      box.left = std::min(box.left, left);
      box.right = std::max(box.right, right);
      box.bottom = y + 1;
    }
  });
  return box;
}
