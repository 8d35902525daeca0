// Drawing a layer scaled and turned into its box under a raster
// (PutUnderRectTransform into a copy, PutUnderRectTransformInPlace into the
// raster itself). Every recompose of the view runs it once per layer, so it
// is the program's hottest loop.
//
// Destination pixel k of a row samples the layer at (u, v): the row starts at
// a position of its own and each column adds a fixed step, one addition at a
// time, in doubles; each row start likewise adds a fixed step to the one
// above. Those rounded sums are the positions. start + k x step rounds
// differently, so the additions are kept as they are and only made cheaper:
// - Four rows are walked abreast. Their additions do not depend on each
//   other, so they overlap instead of queueing behind one chain.
// - The walk writes the truncated positions of a short run of columns to a
//   buffer, and the pixel loop reads it. Adding a fixed step to a double is
//   monotone, so each row's truncated positions are monotone, the columns
//   that land inside the layer form one span, and a binary search finds its
//   exact ends: the pixel loop tests nothing but the plane byte.
// - A row whose walk has left the layer for good stops; four rows abreast
//   stop when all have.
// - Large areas are shared with a second thread by alternate blocks of 16
//   rows. Each thread walks the row starts from the first row, so every
//   position is the same double whatever the split, and the threads write
//   disjoint rows.
// Positions are truncated to int only when the whole walk stays far inside
// the int range; a degenerate transform (a zero scale, an enormous step)
// takes the plain per-column loop with its range tests.
//
// The blend is s - trunc(M x c x (s - d)), M the plane byte plus the opacity
// term and c the double nearest 1/255; M = 0 copies the layer's colour and
// M >= 255 leaves the pixel.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>
#include <system_error>
#include <thread>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

using pixkit::kOneOver255;
using pixkit::kPixelsForTwoThreads;
using pixkit::LockedAlpha;
using pixkit::LockedPixels;
using pixkit::TableMode;

namespace {

constexpr int kRowsAbreast = 4;
constexpr int kColumnsPerRun = 256;
// Threads share an area by blocks of rows this many groups tall: blocks keep
// each thread's layer reads near each other, and alternating them keeps the
// shares even where the layer covers only part of the area.
constexpr int kGroupsPerBlock = 4;
// Positions are truncated to int only while the walk stays within this.
constexpr double kIntSafeReach = 1e9;

// The walk over one destination rectangle, in the target's coordinates.
struct TransformWalk {
  CRect destination;
  double rowStartU, rowStartV;
  double columnStepU, columnStepV;
  double rowStepU, rowStepV;
  int opacityTerm;
};

// Everything the pixel loops read, resolved once per call.
struct PutUnderJob {
  TransformWalk walk;
  const unsigned char* layerRow0;  // top-down row 0 of the layer's colour
  std::ptrdiff_t layerRowLength;   // rows are stored bottom-up: row y is at layerRow0 - y * length
  const unsigned char* plane;
  int width, height;
  const unsigned char* table;
  const LockedPixels* target;
  double weights[255];  // M x c for every M the blend can meet, as computed per pixel
};

template <TableMode mode>
inline void PutPixel(const unsigned char* pixel, int m, const unsigned char* table, const double* weights,
                     unsigned char* out) {
  int colour[3];
  pixkit::MapColour<mode>(pixel, table, colour);
  if (m == 0) {
    out[0] = static_cast<unsigned char>(colour[0]);
    out[1] = static_cast<unsigned char>(colour[1]);
    out[2] = static_cast<unsigned char>(colour[2]);
  } else {
    const double w = weights[m];
    out[0] = static_cast<unsigned char>(colour[0] - static_cast<int>(w * (colour[0] - out[0])));
    out[1] = static_cast<unsigned char>(colour[1] - static_cast<int>(w * (colour[1] - out[1])));
    out[2] = static_cast<unsigned char>(colour[2] - static_cast<int>(w * (colour[2] - out[2])));
  }
}

template <TableMode mode>
inline void PutSample(const PutUnderJob& job, int column, int row, unsigned char* out) {
  const int m = job.plane[static_cast<std::ptrdiff_t>(row) * job.width + column] + job.walk.opacityTerm;
  if (m < 255) PutPixel<mode>(job.layerRow0 - row * job.layerRowLength + 3 * column, m, job.table, job.weights, out);
}

// The walk one column at a time with the range test on every position:
// `visit` (x, y, column, row) hears each destination pixel that lands inside
// the layer, with the layer pixel it reads.
template <class Visit>
void WalkTested(const PutUnderJob& job, Visit visit) {
  const TransformWalk& walk = job.walk;
  const double width = job.width;
  const double height = job.height;
  double rowU = walk.rowStartU;
  double rowV = walk.rowStartV;
  for (int y = walk.destination.top; y < walk.destination.bottom; ++y) {
    double u = rowU;
    double v = rowV;
    for (int x = walk.destination.left; x < walk.destination.right; ++x) {
      // trunc(u) lies in 0..width-1 exactly when -1 < u < width.
      if (u > -1.0 && u < width && v > -1.0 && v < height) visit(x, y, static_cast<int>(u), static_cast<int>(v));
      u += walk.columnStepU;
      v += walk.columnStepV;
    }
    rowU += walk.rowStepU;
    rowV += walk.rowStepV;
  }
}

// For transforms whose positions may not fit an int.
template <TableMode mode>
void PutUnderTested(const PutUnderJob& job) {
  WalkTested(job, [&job](int x, int y, int column, int row) {
    PutSample<mode>(job, column, row, job.target->Row(y) + 3 * x);
  });
}

struct Span {
  int first, last;
};

// Where a test that is monotone over [0, count) holds: a prefix or a suffix.
template <class Test>
Span MonotoneSpan(Test test, int count) {
  const bool atStart = test(0);
  int same = 0, changed = count;  // test(same) == atStart; changed is count or the first that differs
  while (changed - same > 1) {
    const int middle = same + (changed - same) / 2;
    (test(middle) == atStart ? same : changed) = middle;
  }
  return atStart ? Span{0, changed} : Span{changed, count};
}

// The run's columns that land inside the layer; columns and rows hold the
// truncated positions of one row, kRowsAbreast apart.
Span InsideSpan(const int* columns, const int* rows, int count, int width, int height) {
  auto inside = [&](int k) {
    return columns[kRowsAbreast * k] >= 0 && columns[kRowsAbreast * k] < width && rows[kRowsAbreast * k] >= 0 &&
           rows[kRowsAbreast * k] < height;
  };
  if (inside(0) && inside(count - 1)) return {0, count};
  Span span{0, count};
  for (Span part : {MonotoneSpan([&](int k) { return columns[kRowsAbreast * k] >= 0; }, count),
                    MonotoneSpan([&](int k) { return columns[kRowsAbreast * k] < width; }, count),
                    MonotoneSpan([&](int k) { return rows[kRowsAbreast * k] >= 0; }, count),
                    MonotoneSpan([&](int k) { return rows[kRowsAbreast * k] < height; }, count)}) {
    span.first = std::max(span.first, part.first);
    span.last = std::min(span.last, part.last);
  }
  return span;
}

// Draws the span of one run; columns and rows as for InsideSpan, `out` at
// the run's first pixel. The job's fields are copied to locals because the
// byte stores could otherwise alias them and force reloads.
template <TableMode mode>
void PutSpan(const PutUnderJob& job, const int* columns, const int* rows, Span span, unsigned char* out) {
  if (span.first >= span.last) return;
  const unsigned char* const plane = job.plane;
  const std::ptrdiff_t width = job.width;
  const unsigned char* const layerRow0 = job.layerRow0;
  const std::ptrdiff_t rowLength = job.layerRowLength;
  const int opacityTerm = job.walk.opacityTerm;
  const unsigned char* const table = job.table;
  const double* const weights = job.weights;
  unsigned char* pixel = out + 3 * span.first;
  // Rows are monotone, so equal ends mean one layer row for the whole span:
  // every row of an unturned layer.
  if (rows[kRowsAbreast * span.first] == rows[kRowsAbreast * (span.last - 1)]) {
    const std::ptrdiff_t row = rows[kRowsAbreast * span.first];
    const unsigned char* const planeRow = plane + row * width;
    const unsigned char* const colourRow = layerRow0 - row * rowLength;
    for (int k = span.first; k < span.last; ++k, pixel += 3) {
      const std::ptrdiff_t column = columns[kRowsAbreast * k];
      const int m = planeRow[column] + opacityTerm;
      if (m < 255) PutPixel<mode>(colourRow + 3 * column, m, table, weights, pixel);
    }
    return;
  }
  for (int k = span.first; k < span.last; ++k, pixel += 3) {
    const std::ptrdiff_t column = columns[kRowsAbreast * k];
    const std::ptrdiff_t row = rows[kRowsAbreast * k];
    const int m = plane[row * width + column] + opacityTerm;
    if (m < 255) PutPixel<mode>(layerRow0 - row * rowLength + 3 * column, m, table, weights, pixel);
  }
}

// True when a row at truncated position (column, row) can never come back
// inside the layer, the positions moving by these steps.
bool LeftTheLayer(int column, int row, double stepU, double stepV, int width, int height) {
  return (column < 0 && stepU <= 0) || (column >= width && stepU >= 0) || (row < 0 && stepV <= 0) ||
         (row >= height && stepV >= 0);
}

// The destination rows in groups of kRowsAbreast, and the groups in blocks
// of kGroupsPerBlock; `part` of `parts` takes every parts-th block from
// block `part`.
template <TableMode mode>
void PutUnderAbreast(const PutUnderJob& job, int part, int parts) {
  const TransformWalk& walk = job.walk;
  const int rowCount = walk.destination.Height();
  const int columnCount = walk.destination.Width();
  int columns[kRowsAbreast * kColumnsPerRun];
  int rows[kRowsAbreast * kColumnsPerRun];

  // The row starts are walked from the first row whichever groups this call takes.
  double rowU = walk.rowStartU;
  double rowV = walk.rowStartV;
  int rowsWalked = 0;
  for (int group = 0; group * kRowsAbreast < rowCount; ++group) {
    if ((group / kGroupsPerBlock) % parts != part) continue;
    const int groupTop = group * kRowsAbreast;
    for (; rowsWalked < groupTop; ++rowsWalked) rowU += walk.rowStepU, rowV += walk.rowStepV;
    const int live = std::min(kRowsAbreast, rowCount - groupTop);
    double u[kRowsAbreast], v[kRowsAbreast];
    unsigned char* out[kRowsAbreast];
    bool done[kRowsAbreast];
    for (int r = 0; r < kRowsAbreast; ++r) {
      // Rows past the rectangle's end walk along with row 0's values and are never drawn.
      u[r] = r < live ? rowU : u[0];
      v[r] = r < live ? rowV : v[0];
      done[r] = r >= live;
      if (r < live) {
        out[r] = job.target->Row(walk.destination.top + groupTop + r) + 3 * walk.destination.left;
        rowU += walk.rowStepU, rowV += walk.rowStepV, ++rowsWalked;
      }
    }

    for (int runStart = 0; runStart < columnCount; runStart += kColumnsPerRun) {
      const int count = std::min(kColumnsPerRun, columnCount - runStart);
      for (int k = 0; k < count; ++k)
        for (int r = 0; r < kRowsAbreast; ++r) {
          columns[kRowsAbreast * k + r] = static_cast<int>(u[r]);
          rows[kRowsAbreast * k + r] = static_cast<int>(v[r]);
          u[r] += walk.columnStepU;
          v[r] += walk.columnStepV;
        }
      bool allDone = true;
      for (int r = 0; r < live; ++r) {
        if (done[r]) continue;
        const int* rowColumns = columns + r;
        const int* rowRows = rows + r;
        PutSpan<mode>(job, rowColumns, rowRows, InsideSpan(rowColumns, rowRows, count, job.width, job.height),
                      out[r] + 3 * runStart);
        const int last = kRowsAbreast * (count - 1);
        done[r] = LeftTheLayer(rowColumns[last], rowRows[last], walk.columnStepU, walk.columnStepV, job.width,
                               job.height);
        allDone = allDone && done[r];
      }
      if (allDone) break;
    }
  }
}

// Whether every position of the walk fits an int with room to spare.
bool StaysInIntRange(const TransformWalk& walk) {
  const double columns = walk.destination.Width();
  const double rows = walk.destination.Height();
  const double reachU =
      std::abs(walk.rowStartU) + rows * std::abs(walk.rowStepU) + columns * std::abs(walk.columnStepU);
  const double reachV =
      std::abs(walk.rowStartV) + rows * std::abs(walk.rowStepV) + columns * std::abs(walk.columnStepV);
  return reachU < kIntSafeReach && reachV < kIntSafeReach;  // false for infinities and NaN
}

template <TableMode mode>
void PutUnder(const PutUnderJob& job) {
  if (!StaysInIntRange(job.walk)) {
    PutUnderTested<mode>(job);
    return;
  }
  const int groups = (job.walk.destination.Height() + kRowsAbreast - 1) / kRowsAbreast;
  const long long pixels = static_cast<long long>(job.walk.destination.Width()) * job.walk.destination.Height();
  if (pixels < kPixelsForTwoThreads || groups < 2) {
    PutUnderAbreast<mode>(job, 0, 1);
    return;
  }
  std::thread helper;
  try {
    helper = std::thread([&job] { PutUnderAbreast<mode>(job, 1, 2); });
  } catch (const std::system_error&) {
    PutUnderAbreast<mode>(job, 0, 1);  // no second thread to be had: all rows here
    return;
  }
  PutUnderAbreast<mode>(job, 0, 2);
  helper.join();
}

// The fields of `job` that read the layer.
void ReadLayerInto(PutUnderJob& job, CDibAlpha& layer, const LockedPixels& pixels, const LockedAlpha& plane) {
  job.layerRow0 = pixels.Row(0);
  job.layerRowLength = layer.RowLength();
  job.plane = plane.plane();
  job.width = layer.Width();
  job.height = layer.Height();
  job.table = layer.m_pLut ? layer.m_pLut->Data() : nullptr;
}

// The walk of `layer` over `drawn` (background coordinates, inside the
// target) in a target whose top-left is `areaOrigin`; false when every
// pixel would be left as it is.
bool MakeWalk(const CDibAlpha& layer, int opacityPercent, CPoint areaOrigin, CRect drawn, CPoint at, double sine,
              double cosine, CSize scaledSize, CSize boxSize, TransformWalk& walk) {
  const int width = layer.Width();
  const int height = layer.Height();
  const double fx = static_cast<double>(width) / scaledSize.cx;
  const double fy = static_cast<double>(height) / scaledSize.cy;
  // Opacity is a percent; a stored byte above 100 draws fully opaque
  // rather than extrapolating past the layer's own colour.
  const int opacity = std::min<int>(opacityPercent, 100);
  const int dx = drawn.left - at.x - boxSize.cx / 2;
  const int dy = drawn.top - at.y - boxSize.cy / 2;
  walk.destination = drawn;
  walk.destination.OffsetRect(-areaOrigin.x, -areaOrigin.y);
  walk.rowStartU = fx * (dx * cosine + dy * sine) + width / 2 + 0.5;
  walk.rowStartV = fy * (-dx * sine + dy * cosine) + height / 2 + 0.5;
  walk.columnStepU = fx * cosine;
  walk.columnStepV = -fy * sine;
  walk.rowStepU = fx * sine;
  walk.rowStepV = fy * cosine;
  walk.opacityTerm = (100 - opacity) * 255 / 100;
  return walk.opacityTerm < 255;
}

// Draws `layer` into `target`, which holds the part of the background whose
// top-left is `areaOrigin`; `drawn` is the part of the layer's box to draw,
// in background coordinates, already inside that part.
void PutUnderInto(CDibAlpha& layer, CDib& target, CPoint areaOrigin, CRect drawn, CPoint at, double sine,
                  double cosine, CSize scaledSize, CSize boxSize) {
  PutUnderJob job;
  if (!MakeWalk(layer, layer.m_nOpacity, areaOrigin, drawn, at, sine, cosine, scaledSize, boxSize, job.walk))
    return;  // every pixel would be left as it is

  LockedPixels layerPixels(layer);
  LockedAlpha plane(layer);
  LockedPixels targetPixels(target);
  if (!layerPixels || !plane || !targetPixels) return;
  ReadLayerInto(job, layer, layerPixels, plane);
  job.target = &targetPixels;
  for (int m = 0; m < 255; ++m) job.weights[m] = m * kOneOver255;

  switch (pixkit::TableModeOf(layer)) {
    case TableMode::none: PutUnder<TableMode::none>(job); break;
    case TableMode::perChannel: PutUnder<TableMode::perChannel>(job); break;
    case TableMode::greyIndex: PutUnder<TableMode::greyIndex>(job); break;
  }
}

// Records what the drawing reads: the same walk as PutUnderTested, whose
// positions are added up in the same order as every walk's, so the same
// layer pixels are read. Cells start as "leave the pixel".
template <TableMode mode>
void RecordSamples(const PutUnderJob& job, unsigned char* cells) {
  const CRect& destination = job.walk.destination;
  std::fill_n(cells, static_cast<std::size_t>(destination.Width()) * destination.Height() * 4, 255);
  WalkTested(job, [&job, &destination, cells](int x, int y, int column, int row) {
    const int m = job.plane[static_cast<std::ptrdiff_t>(row) * job.width + column] + job.walk.opacityTerm;
    if (m >= 255) return;
    int colour[3];
    pixkit::MapColour<mode>(job.layerRow0 - row * job.layerRowLength + 3 * column, job.table, colour);
    unsigned char* cell =
        cells + 4 * ((static_cast<std::size_t>(y) - destination.top) * destination.Width() + (x - destination.left));
    cell[0] = static_cast<unsigned char>(m);
    cell[1] = static_cast<unsigned char>(colour[0]);
    cell[2] = static_cast<unsigned char>(colour[1]);
    cell[3] = static_cast<unsigned char>(colour[2]);
  });
}

}  // namespace

CDib* CDibAlpha::PutUnderRectTransform(CDib* background, CPoint at, CRect area, double sine, double cosine,
                                       CSize scaledSize, CSize boxSize) {
  if (!background || background->IsEmpty()) return nullptr;
  area.NormalizeRect();
  if (area.left < 0 || area.top < 0 || area.right > background->Width() || area.bottom > background->Height())
    return nullptr;
  std::unique_ptr<CDib> result(background->Edit_Copy(area));
  if (!result) return nullptr;

  CRect drawn;
  if (!drawn.IntersectRect(area, CRect(at, boxSize)) || IsEmpty() || !m_hAlpha) return result.release();
  // The result holds the background's `area`: background pixel (X, Y) is
  // result pixel (X - area.left, Y - area.top).
  PutUnderInto(*this, *result, area.TopLeft(), drawn, at, sine, cosine, scaledSize, boxSize);
  return result.release();
}

bool CDibAlpha::PutUnderRectTransformInPlace(CDib* under, CPoint at, double sine, double cosine, CSize scaledSize,
                                             CSize boxSize) {
  // Drawing into itself would read pixels it has already drawn.
  if (!under || under->IsEmpty() || under == this) return false;
  CRect drawn;
  if (!drawn.IntersectRect(CRect(0, 0, under->Width(), under->Height()), CRect(at, boxSize)) || IsEmpty() ||
      !m_hAlpha)
    return true;
  PutUnderInto(*this, *under, CPoint(0, 0), drawn, at, sine, cosine, scaledSize, boxSize);
  return true;
}

std::unique_ptr<CLayerSamples> CDibAlpha::SampleRectTransform(CSize area, CPoint at, double sine, double cosine,
                                                             CSize scaledSize, CSize boxSize) {
  CRect drawn;
  if (area.cx <= 0 || area.cy <= 0 || IsEmpty() || !m_hAlpha ||
      !drawn.IntersectRect(CRect(CPoint(0, 0), area), CRect(at, boxSize)))
    return nullptr;
  PutUnderJob job;
  if (!MakeWalk(*this, m_nOpacity, CPoint(0, 0), drawn, at, sine, cosine, scaledSize, boxSize, job.walk))
    return nullptr;
  LockedPixels layerPixels(*this);
  LockedAlpha plane(*this);
  if (!layerPixels || !plane) return nullptr;
  ReadLayerInto(job, *this, layerPixels, plane);
  auto samples = std::make_unique<CLayerSamples>();
  samples->m_box = drawn;
  try {
    samples->m_cells.resize(static_cast<std::size_t>(drawn.Width()) * drawn.Height() * 4);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  switch (pixkit::TableModeOf(*this)) {
    case TableMode::none: RecordSamples<TableMode::none>(job, samples->m_cells.data()); break;
    case TableMode::perChannel: RecordSamples<TableMode::perChannel>(job, samples->m_cells.data()); break;
    case TableMode::greyIndex: RecordSamples<TableMode::greyIndex>(job, samples->m_cells.data()); break;
  }
  return samples;
}
