#include "app/editing/field_warp_pairs.h"

#include <algorithm>
#include <cmath>

namespace fieldwarp {

namespace {

constexpr double kExactLimit = 1 << 20;
// The level tables stay below this many cells; further level pairs take
// the general loop.
constexpr long long kMaxLevelCells = 1ll << 24;

double LengthOrOne(double dx, double dy) {
  const double length = std::sqrt(dx * dx + dy * dy);
  return length == 0 ? 1.0 : length;
}

bool WholeAndSmall(double v) { return std::fabs(v) <= kExactLimit && std::floor(v) == v; }

PairKind ShapeOf(const CLinePair& pair, bool smallImage) {
  if (!smallImage || pair.p.x != pair.sourceP.x || pair.p.y != pair.sourceP.y || pair.q.x != pair.sourceQ.x ||
      pair.q.y != pair.sourceQ.y)
    return PairKind::general;
  if (!WholeAndSmall(pair.p.x) || !WholeAndSmall(pair.p.y) || !WholeAndSmall(pair.q.x) || !WholeAndSmall(pair.q.y))
    return PairKind::general;
  if (pair.p.x == pair.q.x && pair.q.y > pair.p.y) return PairKind::upright;
  if (pair.p.y == pair.q.y && pair.q.x > pair.p.x) return PairKind::level;
  return PairKind::general;
}

}  // namespace

std::vector<PairConstants> Prepare(const std::vector<CLinePair>& pairs, int width, int height, int left,
                                   int right) {
  const bool smallImage = width <= kExactLimit && height <= kExactLimit;
  const long long columns = 3ll * std::max(right - left, 0);
  int levelTables = 0;
  std::vector<PairConstants> constants;
  constants.reserve(pairs.size());
  for (const CLinePair& pair : pairs) {
    PairConstants c;
    c.px = pair.p.x, c.py = pair.p.y, c.qx = pair.q.x, c.qy = pair.q.y;
    c.dx = pair.q.x - pair.p.x, c.dy = pair.q.y - pair.p.y;
    c.length = LengthOrOne(c.dx, c.dy);
    c.lengthSquared = c.length * c.length;
    c.spx = pair.sourceP.x, c.spy = pair.sourceP.y;
    c.sdx = pair.sourceQ.x - pair.sourceP.x, c.sdy = pair.sourceQ.y - pair.sourceP.y;
    c.sourceLength = LengthOrOne(c.sdx, c.sdy);
    c.kind = ShapeOf(pair, smallImage);
    if (c.kind != PairKind::general) {
      c.quarterPX = 4 * static_cast<int>(c.px);
      c.quarterQX = 4 * static_cast<int>(c.qx);
    }
    if (c.kind == PairKind::level) {
      if ((levelTables + 1) * columns <= kMaxLevelCells)
        c.table = levelTables++;
      else
        c.kind = PairKind::general;
    }
    constants.push_back(c);
  }
  return constants;
}

AnchorTables::AnchorTables(const std::vector<PairConstants>& pairs, int width, int left, int right)
    : m_left(left), m_columns(3 * std::max(right - left, 0)), m_reach(4 * width + 8) {
  const bool anyUpright =
      std::any_of(pairs.begin(), pairs.end(), [](const PairConstants& c) { return c.kind == PairKind::upright; });
  if (anyUpright) m_uprightWeights.resize(2 * static_cast<std::size_t>(m_reach) + 1);
  for (int q = -m_reach; anyUpright && q <= m_reach; ++q) {
    const double ax = q / 4.0;
    m_uprightWeights[q + m_reach] = 1 / (ax * ax + kWeightBias);
  }
  for (const PairConstants& c : pairs) {
    if (c.kind != PairKind::level) continue;
    const std::size_t start = static_cast<std::size_t>(c.table) * m_columns;
    m_levelShifts.resize(start + m_columns);
    m_levelSides.resize(start + m_columns);
    m_levelBefore.resize(start + m_columns + c.table + 1);
    m_levelPast.resize(start + m_columns + c.table + 1);
    int* before = &m_levelBefore[start + c.table];
    int* past = &m_levelPast[start + c.table];
    before[0] = past[0] = 0;
    for (int column = 0; column < m_columns; ++column) {
      const double x = left + column / 3 + kSampleOffsets[column % 3];
      const double ax = x - c.px;
      const double u = (ax * c.dx) / c.lengthSquared;
      m_levelShifts[start + column] = (c.spx + u * c.sdx) - x;
      const signed char side = u < 0 ? -1 : (u > 1 ? 1 : 0);
      m_levelSides[start + column] = side;
      before[column + 1] = before[column] + (side < 0);
      past[column + 1] = past[column] + (side > 0);
    }
  }
}

const double* AnchorTables::UprightWeights(const PairConstants& pair, int first, int last) const {
  const long long base = static_cast<long long>(m_reach) - pair.quarterPX;
  if (base + first < 0 || base < 0 || base + last > 2ll * m_reach) return nullptr;
  return m_uprightWeights.data() + base;
}

const double* AnchorTables::LevelShifts(const PairConstants& pair) const {
  return m_levelShifts.data() + static_cast<std::size_t>(pair.table) * m_columns;
}

const signed char* AnchorTables::LevelSides(const PairConstants& pair) const {
  return m_levelSides.data() + static_cast<std::size_t>(pair.table) * m_columns;
}

int AnchorTables::LevelSide(const PairConstants& pair, int first, int last) const {
  const std::size_t start = static_cast<std::size_t>(pair.table) * (m_columns + 1);
  const int before = m_levelBefore[start + last + 1] - m_levelBefore[start + first];
  const int past = m_levelPast[start + last + 1] - m_levelPast[start + first];
  if (before == 0 && past == 0) return 0;
  if (before == last - first + 1) return -1;
  if (past == last - first + 1) return 1;
  return 2;
}

EndWeights::EndWeights(int reachX, int reachY) {
  constexpr long long kMaxCells = 1ll << 25;  // 256 MB of address space, touched row by row
  m_columns = 4 * std::clamp(reachX, 0, 1 << 20) + 1;
  m_rows = static_cast<int>(std::min<long long>(4ll * std::clamp(reachY, 0, 1 << 20) + 1, kMaxCells / m_columns));
  if (m_rows <= 0) return;
  m_cells.reset(new double[static_cast<std::size_t>(m_rows) * m_columns]);
  m_state.reset(new std::atomic<unsigned char>[m_rows]);
  for (int r = 0; r < m_rows; ++r) m_state[r].store(0, std::memory_order_relaxed);
}

const double* EndWeights::Row(double ey) {
  const double quarters = std::fabs(ey) * 4;
  if (!(quarters < m_rows)) return nullptr;
  const int row = static_cast<int>(quarters);
  double* cells = &m_cells[static_cast<std::size_t>(row) * m_columns];
  std::atomic<unsigned char>& state = m_state[row];
  if (state.load(std::memory_order_acquire) == 2) return cells;
  unsigned char expected = 0;
  if (!state.compare_exchange_strong(expected, 1, std::memory_order_acquire)) return nullptr;
  const double y = row / 4.0;
  for (int column = 0; column < m_columns; ++column) {
    const double x = column / 4.0;
    const double dist = std::sqrt(x * x + y * y);
    cells[column] = 1 / (dist * dist + kWeightBias);
  }
  state.store(2, std::memory_order_release);
  return cells;
}

}  // namespace fieldwarp
