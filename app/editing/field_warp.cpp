// The warp is the costly part of the simulation: pixels x 9 samples x line
// pairs, and the anchors alone are hundreds of pairs. It is made fast
// without changing a byte of the result:
// - each pair's constants (direction, lengths) are worked out once;
// - a row is cut into runs of neighbouring pixels, and a run's samples are
//   laid out as three planes (one per sample column) in arrays that stay in
//   the first-level cache. Every pair is applied to a plane in one loop the
//   compiler vectorises, and the tables such a loop reads are laid out by
//   plane and column, so the lanes load them straight along. Each lane still
//   adds the pairs in their order, and the file is built without
//   contraction into fused multiply-adds, so every double is the one the
//   formula gives;
// - an anchor (its own source, on whole pixels, upright or level) needs
//   little of the formula: along it the mapped point is the sample itself,
//   so one of its two displacements is exactly 0, and for an upright anchor
//   the other one and the side a sample lies on are the same for a whole
//   row. What is left are the weights, read from a table where they depend
//   on the column alone (see AnchorTables for why this is exact);
// - rows are shared among the cores; the calling thread reports progress.
#include "app/editing/field_warp.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "app/editing/field_warp_pairs.h"
#include "imagelib/dib_pixels.h"

namespace {

using fieldwarp::AnchorTables;
using fieldwarp::kSampleOffsets;
using fieldwarp::kWeightBias;
using fieldwarp::PairConstants;
using fieldwarp::PairKind;

// The loops over a plane's lanes, also built for AVX2 and AVX-512.
#define KV_WARP_LOOP __attribute__((target_clones("avx512f", "avx2", "default")))

constexpr int kRunPixels = 128;
constexpr int kRowPhases = 25;  // the anchors' spacing  // pixels per run: three planes of this many samples

// One plane of a run: n samples at xs, all on the row y, in columns
// first..first + n - 1 of sample column s.
struct Plane {
  const double* xs;
  int s, first, n;
  int Last() const { return first + n - 1; }
};

// One pair of no special shape applied to a plane.
KV_WARP_LOOP void ApplyGeneral(const PairConstants& c, double y, const double* xs, double* sumX, double* sumY,
                               double* sumW, int n) {
  const double ay = y - c.py;
  const double by = y - c.qy;
  for (int i = 0; i < n; ++i) {
    const double x = xs[i];
    const double ax = x - c.px;
    const double u = (ax * c.dx + ay * c.dy) / c.lengthSquared;
    const double v = (ay * c.dx - ax * c.dy) / c.length;
    const double mappedX = c.spx + u * c.sdx + v * -c.sdy / c.sourceLength;
    const double mappedY = c.spy + u * c.sdy + v * c.sdx / c.sourceLength;
    const double bx = x - c.qx;
    // Only the end the sample lies beyond is measured; one root per lane.
    const double squared = u < 0 ? ax * ax + ay * ay : bx * bx + by * by;
    const double dist = (u < 0 || u > 1) ? std::sqrt(squared) : std::fabs(v);
    const double w = 1 / (dist * dist + kWeightBias);
    sumX[i] += w * (mappedX - x);
    sumY[i] += w * (mappedY - y);
    sumW[i] += w;
  }
}

// Weights from a table, each adding `shift` (or its lane's shift) to sum.
KV_WARP_LOOP void AddWeighted(const double* weights, double shift, double* sum, double* sumW, int n) {
  for (int i = 0; i < n; ++i) {
    sum[i] += weights[i] * shift;
    sumW[i] += weights[i];
  }
}

KV_WARP_LOOP void AddShifted(double weight, const double* shifts, double* sum, double* sumW, int n) {
  for (int i = 0; i < n; ++i) {
    sum[i] += weight * shifts[i];
    sumW[i] += weight;
  }
}

KV_WARP_LOOP void AddWeightedShifted(const double* weights, const double* shifts, double* sum, double* sumW, int n) {
  for (int i = 0; i < n; ++i) {
    sum[i] += weights[i] * shifts[i];
    sumW[i] += weights[i];
  }
}

// Beyond an anchor's end the weight is measured to that end (endX, ey
// away); `sum` takes the one displacement that is not 0.
KV_WARP_LOOP void AddBeyondEnd(double endX, double ey, double shift, const double* xs, double* sum, double* sumW,
                               int n) {
  for (int i = 0; i < n; ++i) {
    const double ex = xs[i] - endX;
    const double dist = std::sqrt(ex * ex + ey * ey);
    const double w = 1 / (dist * dist + kWeightBias);
    sum[i] += w * shift;
    sumW[i] += w;
  }
}

KV_WARP_LOOP void AddUprightWrittenOut(double px, double shift, const double* xs, double* sum, double* sumW, int n) {
  for (int i = 0; i < n; ++i) {
    const double ax = xs[i] - px;
    const double w = 1 / (ax * ax + kWeightBias);
    sum[i] += w * shift;
    sumW[i] += w;
  }
}

void ApplyBeyondEnd(fieldwarp::EndWeights& ends, const double* endRow, int endColumn, double ey, double shift,
                    const Plane& plane, double* sum, double* sumW) {
  if (const double* weights = ends.Plane(endRow, plane.s, endColumn, plane.first, plane.Last()))
    AddWeighted(weights, shift, sum, sumW, plane.n);
  else
    AddBeyondEnd(endColumn, ey, shift, plane.xs, sum, sumW, plane.n);
}

// An upright anchor: the vertical shift and the side are the row's.
void ApplyUpright(const PairConstants& c, const AnchorTables& tables, fieldwarp::EndWeights& ends, double y,
                  const Plane (&planes)[3], double* sumY, double* sumW) {
  const double ay = y - c.py;
  const double u = (ay * c.dy) / c.lengthSquared;
  const double shiftY = (c.spy + u * c.sdy) - y;
  if (u < 0 || u > 1) {
    const int endColumn = u < 0 ? c.columnP : c.columnQ;
    const double ey = u < 0 ? ay : y - c.qy;
    const double* row = ends.Reaches(endColumn, planes[0].first, planes[0].Last()) ? ends.Row(ey) : nullptr;
    for (const Plane& plane : planes) {
      const int at = plane.s * kRunPixels;
      ApplyBeyondEnd(ends, row, endColumn, ey, shiftY, plane, sumY + at, sumW + at);
    }
    return;
  }
  for (const Plane& plane : planes) {
    const int at = plane.s * kRunPixels;
    if (const double* weights = tables.UprightWeights(c, plane.s, plane.first, plane.Last())) {
      AddWeighted(weights, shiftY, sumY + at, sumW + at, plane.n);
    } else {  // a column past the table: the weights written out
      AddUprightWrittenOut(c.px, shiftY, plane.xs, sumY + at, sumW + at, plane.n);
    }
  }
}

// A level anchor with its samples on both sides of an end: each lane takes
// the weight of its side.
KV_WARP_LOOP void AddLevelMixed(double inside, const double* fromP, const double* fromQ, const signed char* sides,
                                const double* shifts, double* sumX, double* sumW, int n) {
  for (int i = 0; i < n; ++i) {
    const double w = sides[i] == 0 ? inside : sides[i] < 0 ? fromP[i] : fromQ[i];
    sumX[i] += w * shifts[i];
    sumW[i] += w;
  }
}

KV_WARP_LOOP void AddLevelMixedWrittenOut(const PairConstants& c, double inside, double ay, double by, const signed char* sides,
                             const double* shifts, const double* xs, double* sumX, double* sumW, int n) {
  for (int i = 0; i < n; ++i) {
    double w = inside;
    if (sides[i] != 0) {
      const double ex = xs[i] - (sides[i] < 0 ? c.px : c.qx);
      const double ey = sides[i] < 0 ? ay : by;
      const double dist = std::sqrt(ex * ex + ey * ey);
      w = 1 / (dist * dist + kWeightBias);
    }
    sumX[i] += w * shifts[i];
    sumW[i] += w;
  }
}

// A level anchor: its weight within the segment's span is the row's, and
// its horizontal shift a column's, from the pair's table.
void ApplyLevel(const PairConstants& c, const AnchorTables& tables, fieldwarp::EndWeights& ends, double y,
                const Plane (&planes)[3], double* sumX, double* sumW) {
  const double ay = y - c.py;
  const double by = y - c.qy;
  const double inside = 1 / (ay * ay + kWeightBias);
  const int first = planes[0].first, last = planes[0].Last();
  const AnchorTables::SideCounts sides = tables.CountSides(c, first, last);
  if (sides.before == 0 && sides.past == 0) {
    for (const Plane& plane : planes) {
      const int at = plane.s * kRunPixels;
      AddShifted(inside, tables.LevelShifts(c, plane.s, plane.first), sumX + at, sumW + at, plane.n);
    }
    return;
  }
  // Only the ends some sample lies beyond are measured from.
  const bool allBefore = sides.before == sides.all, allPast = sides.past == sides.all;
  const double* rowP = sides.before > 0 && ends.Reaches(c.columnP, first, last) ? ends.Row(ay) : nullptr;
  const double* rowQ = sides.past > 0 && ends.Reaches(c.columnQ, first, last) ? ends.Row(by) : nullptr;
  for (const Plane& plane : planes) {
    const int at = plane.s * kRunPixels;
    const double* shifts = tables.LevelShifts(c, plane.s, plane.first);
    const double* fromP = ends.Plane(rowP, plane.s, c.columnP, plane.first, plane.Last());
    const double* fromQ = ends.Plane(rowQ, plane.s, c.columnQ, plane.first, plane.Last());
    if (allBefore && fromP != nullptr) {
      AddWeightedShifted(fromP, shifts, sumX + at, sumW + at, plane.n);
    } else if (allPast && fromQ != nullptr) {
      AddWeightedShifted(fromQ, shifts, sumX + at, sumW + at, plane.n);
    } else if ((fromP != nullptr || sides.before == 0) && (fromQ != nullptr || sides.past == 0)) {
      // A lane reads its own side's table only; an end no sample lies
      // beyond lends the other end's table, whose values go unused.
      AddLevelMixed(inside, fromP ? fromP : fromQ, fromQ ? fromQ : fromP, tables.LevelSides(c, plane.s, plane.first),
                    shifts, sumX + at, sumW + at, plane.n);
    } else {
      AddLevelMixedWrittenOut(c, inside, ay, by, tables.LevelSides(c, plane.s, plane.first), shifts, plane.xs,
                              sumX + at, sumW + at, plane.n);
    }
  }
}

// A rounded source coordinate inside 0..limit-1, or -1.
inline int SourceIndex(double position, int limit) {
  const double rounded = position + 0.5;
  if (!(rounded > -1.0 && rounded < limit)) return -1;
  return static_cast<int>(rounded);
}

struct RowContext {
  const unsigned char* sourceBits;
  unsigned char* destinationBits;
  int width, height, rowLength;
  const std::vector<PairConstants>* pairs;
  const AnchorTables* tables;
  fieldwarp::EndWeights* ends;
  const std::vector<std::vector<std::pair<int, int>>>* spans;  // per row
};

class RowWarper {
 public:
  explicit RowWarper(const RowContext& context) : m_c(context) {}

  void Warp(int y) {
    const unsigned char* sourceRow = SourceRow(y);
    unsigned char* row = pixkit::RowPointer(m_c.destinationBits, m_c.rowLength, m_c.height, y);
    std::copy(sourceRow, sourceRow + 3 * m_c.width, row);
    for (auto [left, right] : (*m_c.spans)[y]) {
      const int end = std::min(right, m_c.width);
      for (int x = std::max(left, 0); x < end; x += kRunPixels) WarpRun(y, x, std::min(end - x, kRunPixels), row);
    }
  }

 private:
  const unsigned char* SourceRow(int y) const {
    return pixkit::RowPointer(const_cast<unsigned char*>(m_c.sourceBits), m_c.rowLength, m_c.height, y);
  }

  // Pixels first..first + n - 1 of row y.
  void WarpRun(int y, int first, int n, unsigned char* row) {
    Plane planes[3];
    for (int s = 0; s < 3; ++s) {
      double* xs = &m_xs[s * kRunPixels];
      for (int i = 0; i < n; ++i) xs[i] = (first + i) + kSampleOffsets[s];
      planes[s] = Plane{xs, s, first, n};
    }
    std::fill_n(m_sums, 3 * n, 0);
    for (int sy = 0; sy < 3; ++sy) WarpSampleRow(y + kSampleOffsets[sy], planes);
    for (int i = 0; i < n; ++i)
      for (int k = 0; k < 3; ++k) row[3 * (first + i) + k] = static_cast<unsigned char>(m_sums[3 * i + k] / 9);
  }

  void WarpSampleRow(double sampleY, const Plane (&planes)[3]) {
    std::fill_n(m_dx, 3 * kRunPixels, 0.0);
    std::fill_n(m_dy, 3 * kRunPixels, 0.0);
    std::fill_n(m_w, 3 * kRunPixels, 0.0);
    for (const PairConstants& pair : *m_c.pairs) {
      switch (pair.kind) {
        case PairKind::upright:
          ApplyUpright(pair, *m_c.tables, *m_c.ends, sampleY, planes, m_dy, m_w);
          break;
        case PairKind::level:
          ApplyLevel(pair, *m_c.tables, *m_c.ends, sampleY, planes, m_dx, m_w);
          break;
        case PairKind::general:
          for (const Plane& plane : planes) {
            const int at = plane.s * kRunPixels;
            ApplyGeneral(pair, sampleY, plane.xs, m_dx + at, m_dy + at, m_w + at, plane.n);
          }
          break;
      }
    }
    for (const Plane& plane : planes) {
      const int at = plane.s * kRunPixels;
      for (int i = 0; i < plane.n; ++i) {
        double sx = plane.xs[i];
        double syPos = sampleY;
        if (m_w[at + i] != 0) {
          sx = plane.xs[i] + m_dx[at + i] / m_w[at + i];
          syPos = sampleY + m_dy[at + i] / m_w[at + i];
        }
        const int u = SourceIndex(sx, m_c.width);
        const int v = SourceIndex(syPos, m_c.height);
        if (u < 0 || v < 0) continue;
        const unsigned char* from = SourceRow(v) + 3 * u;
        int* sum = &m_sums[3 * i];
        sum[0] += from[0], sum[1] += from[1], sum[2] += from[2];
      }
    }
  }

  const RowContext& m_c;
  double m_xs[3 * kRunPixels];
  int m_sums[3 * kRunPixels];
  double m_dx[3 * kRunPixels], m_dy[3 * kRunPixels], m_w[3 * kRunPixels];
};

}  // namespace

bool FieldWarp(CDib& source, CDib& destination, const std::vector<CLinePair>& pairs, const CPolygonRegion& area,
               const WarpProgress& progress) {
  if (&source == &destination || source.GetSize() != destination.GetSize() || source.IsEmpty()) return false;
  pixkit::LockedPixels sourceBits(source);
  pixkit::LockedPixels destinationBits(destination);
  if (!sourceBits || !destinationBits) return false;
  const int width = source.Width();
  const int height = source.Height();

  std::vector<std::vector<std::pair<int, int>>> spans(static_cast<std::size_t>(height));
  int left = width, right = 0, top = height, bottom = 0;
  area.ForEachSpan([&](int y, int spanLeft, int spanRight) {
    if (y < 0 || y >= height || spanRight <= 0 || spanLeft >= width) return;
    spans[y].emplace_back(spanLeft, spanRight);
    left = std::min(left, std::max(spanLeft, 0));
    right = std::max(right, std::min(spanRight, width));
    top = std::min(top, y);
    bottom = std::max(bottom, y + 1);
  });
  for (auto& row : spans) std::sort(row.begin(), row.end());  // runs go left to right
  const std::vector<PairConstants> constants = fieldwarp::Prepare(pairs, width, height, left, std::max(left, right));
  const AnchorTables tables(constants, width, left, std::max(left, right));
  // Anchors end on the area's border or the image's, so distances to their
  // ends from inside the area stay within its box.
  fieldwarp::EndWeights ends(right - left + 2, bottom - top + 2);
  const RowContext context{sourceBits.bits(), destinationBits.bits(), width, height, source.RowLength(), &constants,
                           &tables, &ends, &spans};

  // Rows go out 25 apart first: anchors stand every 25 pixels, so such rows
  // measure from their ends at the same distances and share the tables of
  // end weights while they are still in the cache.
  std::vector<int> order(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) order[y] = y;
  const auto phase = [top](int y) { return ((y - top) % kRowPhases + kRowPhases) % kRowPhases; };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return phase(a) < phase(b); });
  std::atomic<int> nextRow{0};
  std::atomic<int> rowsDone{0};
  std::atomic<bool> cancelled{false};
  const auto work = [&](bool reporting) {
    RowWarper warper(context);
    for (int next = nextRow++; next < height && !cancelled; next = nextRow++) {
      warper.Warp(order[next]);
      const int done = ++rowsDone;
      if (reporting && progress && !progress(done * 100 / height)) cancelled = true;
    }
  };
  const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), 16u));
  std::vector<std::thread> helpers;
  for (unsigned i = 1; i < cores; ++i) helpers.emplace_back(work, false);
  work(true);
  for (std::thread& helper : helpers) helper.join();
  if (cancelled) return false;
  if (progress && !progress(100)) return false;
  return true;
}
