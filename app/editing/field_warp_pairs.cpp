#include "app/editing/field_warp_pairs.h"

#include <algorithm>
#include <cmath>
#include <map>

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
  std::map<std::pair<int, int>, int> tableOf;
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
      c.columnP = static_cast<int>(c.px);
      c.columnQ = static_cast<int>(c.qx);
    }
    if (c.kind == PairKind::level) {
      // A level anchor's shifts and sides depend on its ends' columns alone
      // (it is its own source), so anchors spanning the same columns, as
      // most rows of anchors do, share one table.
      const auto known = tableOf.find({c.columnP, c.columnQ});
      if (known != tableOf.end())
        c.table = known->second;
      else if ((levelTables + 1) * columns <= kMaxLevelCells)
        c.table = tableOf[{c.columnP, c.columnQ}] = levelTables++;
      else
        c.kind = PairKind::general;
    }
    constants.push_back(c);
  }
  return constants;
}

AnchorTables::AnchorTables(const std::vector<PairConstants>& pairs, int width, int left, int right)
    : m_left(left), m_areaColumns(std::max(right - left, 0)), m_reach(width + 2) {
  const bool anyUpright =
      std::any_of(pairs.begin(), pairs.end(), [](const PairConstants& c) { return c.kind == PairKind::upright; });
  const int planeLength = 2 * m_reach + 1;
  if (anyUpright) m_uprightWeights.resize(3 * static_cast<std::size_t>(planeLength));
  for (int s = 0; anyUpright && s < 3; ++s)
    for (int d = -m_reach; d <= m_reach; ++d) {
      const double ax = d + kSampleOffsets[s];
      m_uprightWeights[static_cast<std::size_t>(s) * planeLength + d + m_reach] = 1 / (ax * ax + kWeightBias);
    }
  const std::size_t samples = 3 * static_cast<std::size_t>(m_areaColumns);
  std::vector<bool> filled;
  for (const PairConstants& c : pairs) {
    if (c.kind != PairKind::level) continue;
    if (filled.size() <= static_cast<std::size_t>(c.table)) filled.resize(c.table + 1, false);
    if (filled[c.table]) continue;
    filled[c.table] = true;
    const std::size_t planes = static_cast<std::size_t>(c.table) * samples;
    m_levelShifts.resize(planes + samples);
    m_levelSides.resize(planes + samples);
    const std::size_t counts = static_cast<std::size_t>(c.table) * (samples + 1);
    m_levelBefore.resize(counts + samples + 1);
    m_levelPast.resize(counts + samples + 1);
    int* before = &m_levelBefore[counts];
    int* past = &m_levelPast[counts];
    before[0] = past[0] = 0;
    for (int column = 0; column < m_areaColumns; ++column)
      for (int s = 0; s < 3; ++s) {
        const double x = left + column + kSampleOffsets[s];
        const double ax = x - c.px;
        const double u = (ax * c.dx) / c.lengthSquared;
        const std::size_t cell = planes + static_cast<std::size_t>(s) * m_areaColumns + column;
        m_levelShifts[cell] = (c.spx + u * c.sdx) - x;
        const signed char side = u < 0 ? -1 : (u > 1 ? 1 : 0);
        m_levelSides[cell] = side;
        const int sample = 3 * column + s;
        before[sample + 1] = before[sample] + (side < 0);
        past[sample + 1] = past[sample] + (side > 0);
      }
  }
}

const double* AnchorTables::UprightWeights(const PairConstants& pair, int s, int first, int last) const {
  const long long from = static_cast<long long>(first) - pair.columnP;
  const long long to = static_cast<long long>(last) - pair.columnP;
  if (m_uprightWeights.empty() || from < -m_reach || to > m_reach) return nullptr;
  return m_uprightWeights.data() + static_cast<std::size_t>(s) * (2 * m_reach + 1) + (from + m_reach);
}

const double* AnchorTables::LevelShifts(const PairConstants& pair, int s, int first) const {
  return m_levelShifts.data() + (static_cast<std::size_t>(pair.table) * 3 + s) * m_areaColumns + (first - m_left);
}

const signed char* AnchorTables::LevelSides(const PairConstants& pair, int s, int first) const {
  return m_levelSides.data() + (static_cast<std::size_t>(pair.table) * 3 + s) * m_areaColumns + (first - m_left);
}

AnchorTables::SideCounts AnchorTables::CountSides(const PairConstants& pair, int first, int last) const {
  const std::size_t counts = static_cast<std::size_t>(pair.table) * (3 * static_cast<std::size_t>(m_areaColumns) + 1);
  const int from = SampleIndex(first, 0), to = SampleIndex(last, 2) + 1;
  return {m_levelBefore[counts + to] - m_levelBefore[counts + from],
          m_levelPast[counts + to] - m_levelPast[counts + from], to - from};
}

EndWeights::EndWeights(int reachX, int reachY) {
  constexpr long long kMaxCells = 1ll << 25;  // 256 MB of address space, touched row by row
  m_reach = std::clamp(reachX, 0, 1 << 20);
  m_rowLength = 3 * (2 * m_reach + 1);
  m_rows = static_cast<int>(std::min<long long>(4ll * std::clamp(reachY, 0, 1 << 20) + 1, kMaxCells / m_rowLength));
  if (m_rows <= 0) return;
  m_cells.reset(new double[static_cast<std::size_t>(m_rows) * m_rowLength]);
  m_state.reset(new std::atomic<unsigned char>[m_rows]);
  for (int r = 0; r < m_rows; ++r) m_state[r].store(0, std::memory_order_relaxed);
}

const double* EndWeights::Row(double ey) {
  const double quarters = std::fabs(ey) * 4;
  if (!(quarters < m_rows)) return nullptr;
  const int row = static_cast<int>(quarters);
  double* cells = &m_cells[static_cast<std::size_t>(row) * m_rowLength];
  std::atomic<unsigned char>& state = m_state[row];
  if (state.load(std::memory_order_acquire) == 2) return cells;
  unsigned char expected = 0;
  if (!state.compare_exchange_strong(expected, 1, std::memory_order_acquire)) return nullptr;
  const double y = row / 4.0;
  for (int s = 0; s < 3; ++s)
    for (int d = -m_reach; d <= m_reach; ++d) {
      const double x = d + kSampleOffsets[s];
      const double dist = std::sqrt(x * x + y * y);
      *cells++ = 1 / (dist * dist + kWeightBias);
    }
  state.store(2, std::memory_order_release);
  return cells - m_rowLength;
}

}  // namespace fieldwarp
