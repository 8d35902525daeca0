// The warp is the costly part of the simulation: pixels x 9 samples x line
// pairs, and the anchors alone are hundreds of pairs. It is made fast
// without changing a byte of the result:
// - each pair's constants (direction, lengths) are worked out once;
// - a row's samples are laid out in arrays, in chunks that stay in the
//   first-level cache, and every pair is applied to a chunk in one loop the
//   compiler vectorises. Each lane still adds the pairs in their order, and
//   the file is built without contraction into fused multiply-adds, so every
//   double is the one the formula gives;
// - an anchor (its own source, on whole pixels, upright or level) needs
//   little of the formula: along it the mapped point is the sample itself,
//   so one of its two displacements is exactly 0, and for an upright anchor
//   the other one and the side a sample lies on are the same for a whole
//   row. What is left are the weights, read from a table where they depend
//   on the column alone (see AnchorWeights below for why this is exact);
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

// The loops over a chunk's lanes, also built for AVX2 (gathers, four lanes).
#define KV_WARP_LOOP __attribute__((target_clones("avx2", "default")))

constexpr int kChunkLanes = 3 * 128;  // samples per chunk: 128 pixels

// One pair of no special shape applied to n samples that share the row y.
KV_WARP_LOOP void ApplyGeneral(const PairConstants& c, double y,
                                                                     const double* xs, double* sumX, double* sumY,
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

// The end weights for sorted lanes at quarter positions first..last,
// measured from an end at endQuarter; null past the table.
const double* EndRowFor(fieldwarp::EndWeights& ends, double ey, int endQuarter, int first, int last) {
  const int reach = std::max(std::abs(first - endQuarter), std::abs(last - endQuarter));
  return reach < ends.Columns() ? ends.Row(ey) : nullptr;
}

// Beyond an anchor's end the weight is measured to that end (endX, ey
// away); `sum` takes the one displacement that is not 0.
KV_WARP_LOOP void ApplyBeyondEnd(fieldwarp::EndWeights& ends, double endX, int endQuarter, double ey, double shift,
                    const double* xs, const int* quarters, double* sum, double* sumW, int n) {
  if (const double* weights = EndRowFor(ends, ey, endQuarter, quarters[0], quarters[n - 1])) {
    for (int i = 0; i < n; ++i) {
      const double w = weights[std::abs(quarters[i] - endQuarter)];
      sum[i] += w * shift;
      sumW[i] += w;
    }
    return;
  }
  for (int i = 0; i < n; ++i) {
    const double ex = xs[i] - endX;
    const double dist = std::sqrt(ex * ex + ey * ey);
    const double w = 1 / (dist * dist + kWeightBias);
    sum[i] += w * shift;
    sumW[i] += w;
  }
}

// An upright anchor: the vertical shift and the side are the row's.
KV_WARP_LOOP void ApplyUpright(const PairConstants& c, const AnchorTables& tables, fieldwarp::EndWeights& ends, double y,
                  const double* xs, const int* quarters, double* sumY, double* sumW, int n) {
  const double ay = y - c.py;
  const double u = (ay * c.dy) / c.lengthSquared;
  const double shiftY = (c.spy + u * c.sdy) - y;
  if (u < 0 || u > 1) {
    if (u < 0)
      ApplyBeyondEnd(ends, c.px, c.quarterPX, ay, shiftY, xs, quarters, sumY, sumW, n);
    else
      ApplyBeyondEnd(ends, c.qx, c.quarterQX, y - c.qy, shiftY, xs, quarters, sumY, sumW, n);
    return;
  }
  const double* weights = tables.UprightWeights(c, quarters[0], quarters[n - 1]);
  if (weights == nullptr) {  // a column past the table: the weights written out
    for (int i = 0; i < n; ++i) {
      const double ax = xs[i] - c.px;
      const double w = 1 / (ax * ax + kWeightBias);
      sumY[i] += w * shiftY;
      sumW[i] += w;
    }
    return;
  }
  for (int i = 0; i < n; ++i) {
    const double w = weights[quarters[i]];
    sumY[i] += w * shiftY;
    sumW[i] += w;
  }
}

// A level anchor: its weight within the segment's span is the row's, and
// its horizontal shift a column's, from the pair's table.
KV_WARP_LOOP void ApplyLevel(const PairConstants& c, const AnchorTables& tables, fieldwarp::EndWeights& ends, double y,
                const double* xs, const int* quarters, const int* columns, double* sumX, double* sumW, int n) {
  const double ay = y - c.py;
  const double by = y - c.qy;
  const double inside = 1 / (ay * ay + kWeightBias);
  const double* shifts = tables.LevelShifts(c);
  const signed char* sides = tables.LevelSides(c);
  const int side = tables.LevelSide(c, columns[0], columns[n - 1]);
  if (side == 0) {
    for (int i = 0; i < n; ++i) {
      sumX[i] += inside * shifts[columns[i]];
      sumW[i] += inside;
    }
    return;
  }
  if (side != 2) {  // every lane beyond the same end
    const int endQuarter = side < 0 ? c.quarterPX : c.quarterQX;
    if (const double* weights = EndRowFor(ends, side < 0 ? ay : by, endQuarter, quarters[0], quarters[n - 1])) {
      for (int i = 0; i < n; ++i) {
        const double w = weights[std::abs(quarters[i] - endQuarter)];
        sumX[i] += w * shifts[columns[i]];
        sumW[i] += w;
      }
      return;
    }
  }
  const double* fromP = EndRowFor(ends, ay, c.quarterPX, quarters[0], quarters[n - 1]);
  const double* fromQ = EndRowFor(ends, by, c.quarterQX, quarters[0], quarters[n - 1]);
  if (fromP != nullptr && fromQ != nullptr) {
    for (int i = 0; i < n; ++i) {
      const int column = columns[i];
      const double w = sides[column] == 0  ? inside
                       : sides[column] < 0 ? fromP[std::abs(quarters[i] - c.quarterPX)]
                                           : fromQ[std::abs(quarters[i] - c.quarterQX)];
      sumX[i] += w * shifts[column];
      sumW[i] += w;
    }
    return;
  }
  for (int i = 0; i < n; ++i) {
    const int column = columns[i];
    double w = inside;
    if (sides[column] != 0) {
      const double ex = xs[i] - (sides[column] < 0 ? c.px : c.qx);
      const double ey = sides[column] < 0 ? ay : by;
      const double dist = std::sqrt(ex * ex + ey * ey);
      w = 1 / (dist * dist + kWeightBias);
    }
    sumX[i] += w * shifts[column];
    sumW[i] += w;
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
    const auto& spans = (*m_c.spans)[y];
    m_pixels.clear();
    for (auto [left, right] : spans)
      for (int x = std::max(left, 0); x < std::min(right, m_c.width); ++x) m_pixels.push_back(x);
    const int count = static_cast<int>(m_pixels.size());
    if (count == 0) return;
    m_sums.assign(static_cast<std::size_t>(count) * 3, 0);
    const int n = count * 3;  // three sample columns per pixel
    m_xs.resize(n);
    m_quarters.resize(n);
    m_columns.resize(n);
    for (int i = 0; i < count; ++i)
      for (int s = 0; s < 3; ++s) {
        m_xs[3 * i + s] = m_pixels[i] + kSampleOffsets[s];
        m_quarters[3 * i + s] = m_c.tables->QuarterIndex(m_pixels[i], s);
        m_columns[3 * i + s] = m_c.tables->ColumnIndex(m_pixels[i], s);
      }
    for (int sy = 0; sy < 3; ++sy)
      for (int start = 0; start < n; start += kChunkLanes) WarpChunk(y + kSampleOffsets[sy], start, std::min(n - start, kChunkLanes));
    for (int i = 0; i < count; ++i)
      for (int k = 0; k < 3; ++k) row[3 * m_pixels[i] + k] = static_cast<unsigned char>(m_sums[3 * i + k] / 9);
  }

 private:
  const unsigned char* SourceRow(int y) const {
    return pixkit::RowPointer(const_cast<unsigned char*>(m_c.sourceBits), m_c.rowLength, m_c.height, y);
  }

  void WarpChunk(double sampleY, int start, int n) {
    const double* xs = &m_xs[start];
    std::fill_n(m_dx, n, 0.0);
    std::fill_n(m_dy, n, 0.0);
    std::fill_n(m_w, n, 0.0);
    for (const PairConstants& pair : *m_c.pairs) {
      switch (pair.kind) {
        case PairKind::upright:
          ApplyUpright(pair, *m_c.tables, *m_c.ends, sampleY, xs, &m_quarters[start], m_dy, m_w, n);
          break;
        case PairKind::level:
          ApplyLevel(pair, *m_c.tables, *m_c.ends, sampleY, xs, &m_quarters[start], &m_columns[start], m_dx, m_w,
                     n);
          break;
        case PairKind::general:
          ApplyGeneral(pair, sampleY, xs, m_dx, m_dy, m_w, n);
          break;
      }
    }
    for (int i = 0; i < n; ++i) {
      double sx = xs[i];
      double syPos = sampleY;
      if (m_w[i] != 0) {
        sx = xs[i] + m_dx[i] / m_w[i];
        syPos = sampleY + m_dy[i] / m_w[i];
      }
      const int u = SourceIndex(sx, m_c.width);
      const int v = SourceIndex(syPos, m_c.height);
      if (u < 0 || v < 0) continue;
      const unsigned char* from = SourceRow(v) + 3 * u;
      int* sum = &m_sums[static_cast<std::size_t>((start + i) / 3) * 3];
      sum[0] += from[0], sum[1] += from[1], sum[2] += from[2];
    }
  }

  const RowContext& m_c;
  std::vector<int> m_pixels;
  std::vector<int> m_sums;
  std::vector<double> m_xs;
  std::vector<int> m_quarters, m_columns;
  double m_dx[kChunkLanes], m_dy[kChunkLanes], m_w[kChunkLanes];
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
  for (auto& row : spans) std::sort(row.begin(), row.end());  // lanes run left to right
  const std::vector<PairConstants> constants = fieldwarp::Prepare(pairs, width, height, left, std::max(left, right));
  const AnchorTables tables(constants, width, left, std::max(left, right));
  // Anchors end on the area's border or the image's, so distances to their
  // ends from inside the area stay within its box.
  fieldwarp::EndWeights ends(right - left + 2, bottom - top + 2);
  const RowContext context{sourceBits.bits(), destinationBits.bits(), width, height, source.RowLength(), &constants,
                           &tables, &ends, &spans};

  std::atomic<int> nextRow{0};
  std::atomic<int> rowsDone{0};
  std::atomic<bool> cancelled{false};
  const auto work = [&](bool reporting) {
    RowWarper warper(context);
    for (int y = nextRow++; y < height && !cancelled; y = nextRow++) {
      warper.Warp(y);
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
