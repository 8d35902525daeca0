// The line pairs of the field warp prepared for the fast loops: each pair's
// constants, its shape, and the tables that let anchors skip most of the
// formula. Only the warp uses this.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "app/editing/field_warp.h"

namespace fieldwarp {

constexpr double kSampleOffsets[3] = {-0.25, 0.0, 0.25};
constexpr double kWeightBias = 0.001;

// upright and level pairs are their own source, on whole pixels, pointing
// down or right; everything else is general.
enum class PairKind { general, upright, level };

struct PairConstants {
  PairKind kind = PairKind::general;
  double px, py, qx, qy, dx, dy, length, lengthSquared;
  double spx, spy, sdx, sdy, sourceLength;
  int table = -1;  // a level pair's row in the shift tables
  int columnP = 0, columnQ = 0;  // an anchor's end columns
};

// `left`..`right` are the columns the area covers in the image.
std::vector<PairConstants> Prepare(const std::vector<CLinePair>& pairs, int width, int height, int left, int right);

// Why the tables give the formula's doubles: with whole-pixel ends below
// 2^20 and samples on the quarter-pixel grid, X - P, its products with the
// segment's direction and their quotients by its length are exact. For an
// upright anchor v is then exactly P.x - X, the mapped x is X itself and the
// weight inside the segment's span, 1 / ((X - P.x)^2 + 0.001), depends on
// the column alone. For a level anchor v is exactly Y - P.y (one weight per
// row inside its span), the mapped y is Y, and u and the mapped x depend on
// the column alone.
//
// The warp works on runs of neighbouring pixels with one plane of samples
// per sample column s (the pixel's x plus kSampleOffsets[s]), so the
// tables are laid out by plane and pixel column: a run reads each table
// straight along, never by gathered lanes.
class AnchorTables {
 public:
  AnchorTables(const std::vector<PairConstants>& pairs, int width, int left, int right);

  // Every table below is read for a run of pixel columns first..last: the
  // pointer it gives holds column first's value, the next one's after it.

  // An upright pair's weights on plane s, or null when the run leaves the
  // table.
  const double* UprightWeights(const PairConstants& pair, int s, int first, int last) const;

  // A level pair's horizontal shift (mapped x - X) and side (-1 before its
  // start, 1 past its end, 0 within) on plane s; runs within the area only.
  const double* LevelShifts(const PairConstants& pair, int s, int first) const;
  const signed char* LevelSides(const PairConstants& pair, int s, int first) const;
  // How many samples of columns first..last lie before the pair's start
  // and past its end, out of `all`.
  struct SideCounts {
    int before, past, all;
  };
  SideCounts CountSides(const PairConstants& pair, int first, int last) const;

 private:
  // A sample's place among the area's samples, left to right.
  int SampleIndex(int x, int s) const { return 3 * (x - m_left) + s; }

  int m_left;
  int m_areaColumns;  // pixel columns the area covers
  int m_reach;        // upright planes cover X - P.x from -m_reach to m_reach pixels
  std::vector<double> m_uprightWeights;  // three planes of 2 * m_reach + 1
  std::vector<double> m_levelShifts;     // per level pair, three planes of m_areaColumns
  std::vector<signed char> m_levelSides;
  // Per pair, running counts of the samples before its start and past its end.
  std::vector<int> m_levelBefore, m_levelPast;
};

// Weights measured to a segment's end, 1 / (|(ex, ey)|^2 + 0.001), for ex
// and ey on the quarter-pixel grid: with both below 2^21 their squares and
// the sum are exact, so the weight depends on |ex| and |ey| alone. A row (one
// |ey|) holds the weights for every pixel column's three samples as planes
// by ex's whole part; it is filled the first time a thread asks for it, and
// a thread that finds the row being filled by another gets null and works
// the weights out.
class EndWeights {
 public:
  // Covers whole-pixel distances |x - endX| up to reachX and |ey| up to
  // reachY pixels, as far as memory allows.
  EndWeights(int reachX, int reachY);

  // The row for ey, or null. Only rows a run is within reach of are asked
  // for, so no row is filled for nothing.
  const double* Row(double ey);
  bool Reaches(int endX, int first, int last) const { return first - endX >= -m_reach && last - endX <= m_reach; }
  // The row's plane s for the run of columns first..last, measured from an
  // end at column endX (the pointer holds column first's weight), or null
  // when the run leaves the row's reach.
  const double* Plane(const double* row, int s, int endX, int first, int last) const {
    if (row == nullptr || !Reaches(endX, first, last)) return nullptr;
    return row + s * (2 * m_reach + 1) + m_reach + (first - endX);
  }

 private:
  int m_reach = 0, m_rowLength = 0, m_rows = 0;
  std::unique_ptr<double[]> m_cells;
  std::unique_ptr<std::atomic<unsigned char>[]> m_state;  // 0 empty, 1 filling, 2 ready
};

}  // namespace fieldwarp
