// The warp is the costly part of the simulation: pixels x 9 samples x line
// pairs, and the anchors alone are hundreds of pairs. It is made fast
// without changing a byte of the result:
// - each pair's constants (direction, lengths) are worked out once;
// - a row's samples are laid out in arrays and every pair is applied to all
//   of them in one loop the compiler vectorises. Each lane still adds the
//   pairs in their order, and the file is built without contraction into
//   fused multiply-adds, so every double is the one the formula gives;
// - rows are shared among the cores; the calling thread reports progress.
#include "app/editing/field_warp.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "imagelib/dib_pixels.h"

namespace {

constexpr double kSampleOffsets[3] = {-0.25, 0.0, 0.25};
constexpr double kWeightBias = 0.001;

struct PairConstants {
  double px, py, qx, qy, dx, dy, length, lengthSquared;
  double spx, spy, sdx, sdy, sourceLength;
};

double LengthOrOne(double dx, double dy) {
  const double length = std::sqrt(dx * dx + dy * dy);
  return length == 0 ? 1.0 : length;
}

std::vector<PairConstants> Prepare(const std::vector<CLinePair>& pairs) {
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
    constants.push_back(c);
  }
  return constants;
}

// One pair applied to n samples that share the row coordinate y.
__attribute__((target_clones("avx2", "default"))) void ApplyPair(const PairConstants& c, double y, const double* xs,
                                                                   double* sumX, double* sumY, double* sumW, int n) {
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
    const double toP = std::sqrt(ax * ax + ay * ay);
    const double toQ = std::sqrt(bx * bx + by * by);
    const double dist = u < 0 ? toP : (u > 1 ? toQ : std::fabs(v));
    const double w = 1 / (dist * dist + kWeightBias);
    sumX[i] += w * (mappedX - x);
    sumY[i] += w * (mappedY - y);
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
  const std::vector<std::vector<std::pair<int, int>>>* spans;  // per row
};

class RowWarper {
 public:
  explicit RowWarper(const RowContext& context) : m_c(context) {}

  void Warp(int y) {
    const unsigned char* sourceRow = pixkit::RowPointer(const_cast<unsigned char*>(m_c.sourceBits), m_c.rowLength,
                                                        m_c.height, y);
    unsigned char* row = pixkit::RowPointer(m_c.destinationBits, m_c.rowLength, m_c.height, y);
    std::copy(sourceRow, sourceRow + 3 * m_c.width, row);
    const auto& spans = (*m_c.spans)[y];
    if (spans.empty()) return;
    m_pixels.clear();
    for (auto [left, right] : spans)
      for (int x = std::max(left, 0); x < std::min(right, m_c.width); ++x) m_pixels.push_back(x);
    const int count = static_cast<int>(m_pixels.size());
    if (count == 0) return;
    m_sums.assign(static_cast<std::size_t>(count) * 3, 0);
    const int n = count * 3;  // three sample columns per pixel
    m_xs.resize(n);
    for (int i = 0; i < count; ++i)
      for (int s = 0; s < 3; ++s) m_xs[3 * i + s] = m_pixels[i] + kSampleOffsets[s];
    for (int sy = 0; sy < 3; ++sy) {
      const double sampleY = y + kSampleOffsets[sy];
      m_dx.assign(n, 0.0);
      m_dy.assign(n, 0.0);
      m_w.assign(n, 0.0);
      for (const PairConstants& pair : *m_c.pairs)
        ApplyPair(pair, sampleY, m_xs.data(), m_dx.data(), m_dy.data(), m_w.data(), n);
      for (int i = 0; i < n; ++i) {
        double sx = m_xs[i];
        double syPos = sampleY;
        if (m_w[i] != 0) {
          sx = m_xs[i] + m_dx[i] / m_w[i];
          syPos = sampleY + m_dy[i] / m_w[i];
        }
        const int u = SourceIndex(sx, m_c.width);
        const int v = SourceIndex(syPos, m_c.height);
        if (u < 0 || v < 0) continue;
        const unsigned char* from =
            pixkit::RowPointer(const_cast<unsigned char*>(m_c.sourceBits), m_c.rowLength, m_c.height, v) + 3 * u;
        int* sum = &m_sums[static_cast<std::size_t>(i / 3) * 3];
        sum[0] += from[0], sum[1] += from[1], sum[2] += from[2];
      }
    }
    for (int i = 0; i < count; ++i)
      for (int k = 0; k < 3; ++k) row[3 * m_pixels[i] + k] = static_cast<unsigned char>(m_sums[3 * i + k] / 9);
  }

 private:
  const RowContext& m_c;
  std::vector<int> m_pixels;
  std::vector<int> m_sums;
  std::vector<double> m_xs, m_dx, m_dy, m_w;
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
  area.ForEachSpan([&](int y, int left, int right) {
    if (y >= 0 && y < height && right > 0 && left < width) spans[y].emplace_back(left, right);
  });
  const std::vector<PairConstants> constants = Prepare(pairs);
  const RowContext context{sourceBits.bits(), destinationBits.bits(), width, height, source.RowLength(), &constants,
                           &spans};

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
