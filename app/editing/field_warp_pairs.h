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
  int quarterPX = 0, quarterQX = 0;  // an anchor's end columns, in quarter pixels
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
class AnchorTables {
 public:
  AnchorTables(const std::vector<PairConstants>& pairs, int width, int left, int right);

  // A sample's place in quarter pixels (upright weights) and among the
  // area's sample columns (level shifts); s indexes kSampleOffsets.
  static int QuarterIndex(int x, int s) { return 4 * x + s - 1; }
  int ColumnIndex(int x, int s) const { return 3 * (x - m_left) + s; }

  // Weights of an upright pair indexed by QuarterIndex, or null when the
  // quarters first..last fall outside the table.
  const double* UprightWeights(const PairConstants& pair, int first, int last) const;

  // A level pair's horizontal shift (mapped x - X) and side (-1 before its
  // start, 1 past its end, 0 within) by ColumnIndex.
  const double* LevelShifts(const PairConstants& pair) const;
  const signed char* LevelSides(const PairConstants& pair) const;
  // Where the columns first..last lie against the pair's segment: all
  // within its span (0), all before its start (-1), all past its end (1),
  // or mixed (2).
  int LevelSide(const PairConstants& pair, int first, int last) const;

 private:
  int m_left;
  int m_columns;
  int m_reach;  // upright table covers quarter distances -m_reach..m_reach
  std::vector<double> m_uprightWeights;
  std::vector<double> m_levelShifts;
  std::vector<signed char> m_levelSides;
  // Per pair, running counts of the columns before its start and past its end.
  std::vector<int> m_levelBefore, m_levelPast;
};

// Weights measured to a segment's end, 1 / (|(ex, ey)|^2 + 0.001), for ex
// and ey on the quarter-pixel grid: with both below 2^21 their squares and
// the sum are exact, so the weight depends on |ex| and |ey| alone. A row (one
// |ey|) is filled the first time a thread asks for it; a thread that finds
// the row being filled by another gets null and works the weights out.
class EndWeights {
 public:
  // Covers |ex| up to reachX and |ey| up to reachY pixels, as far as memory
  // allows.
  EndWeights(int reachX, int reachY);

  // The weights for |ey| by quarter distance |ex| * 4, or null.
  const double* Row(double ey);
  int Columns() const { return m_columns; }

 private:
  int m_columns = 0, m_rows = 0;
  std::unique_ptr<double[]> m_cells;
  std::unique_ptr<std::atomic<unsigned char>[]> m_state;  // 0 empty, 1 filling, 2 ready
};

}  // namespace fieldwarp
