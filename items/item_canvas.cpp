#include "items/item_canvas.h"

#include <algorithm>
#include <cmath>

Colour MixColour(Colour a, Colour b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour ScaleColour(Colour c, float factor) {
  return {std::min(255.f, c.r * factor), std::min(255.f, c.g * factor), std::min(255.f, c.b * factor)};
}

Colour Grey(float level) { return {level, level, level}; }

ItemCanvas::ItemCanvas(const ItemFrame& frame)
    : m_frame(frame),
      m_width(frame.width * frame.scale),
      m_height(frame.height * frame.scale),
      m_colour(static_cast<std::size_t>(m_width) * m_height),
      m_alpha(m_colour.size(), 0.f),
      m_strandCoverage(m_colour.size(), 0.f),
      m_strandColour(m_colour.size()) {}

int ItemCanvas::ClampX(float x) const { return std::clamp(static_cast<int>(std::floor(x)), 0, m_width); }
int ItemCanvas::ClampY(float y) const { return std::clamp(static_cast<int>(std::floor(y)), 0, m_height); }

void ItemCanvas::Paint(int x, int y, Colour colour, float alpha) {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height || alpha <= 0) return;
  alpha = std::min(alpha, 1.f);
  const std::size_t i = Index(x, y);
  const float under = m_alpha[i] * (1 - alpha);
  const float total = alpha + under;
  Colour& c = m_colour[i];
  c.r = (colour.r * alpha + c.r * under) / total;
  c.g = (colour.g * alpha + c.g * under) / total;
  c.b = (colour.b * alpha + c.b * under) / total;
  m_alpha[i] = total;
}

void ItemCanvas::Strand(const std::vector<StrandPoint>& points, float opacity) {
  for (std::size_t s = 0; s + 1 < points.size(); ++s) {
    const StrandPoint& a = points[s];
    const StrandPoint& b = points[s + 1];
    const float reach = std::max(a.width, b.width) / 2 + 1;
    const int x0 = ClampX(std::min(a.x, b.x) - reach), x1 = ClampX(std::max(a.x, b.x) + reach + 1);
    const int y0 = ClampY(std::min(a.y, b.y) - reach), y1 = ClampY(std::max(a.y, b.y) + reach + 1);
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float lengthSquared = std::max(dx * dx + dy * dy, 1e-6f);
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const float px = static_cast<float>(x) + 0.5f - a.x, py = static_cast<float>(y) + 0.5f - a.y;
        const float t = std::clamp((px * dx + py * dy) / lengthSquared, 0.f, 1.f);
        const float ex = px - t * dx, ey = py - t * dy;
        const float width = a.width + (b.width - a.width) * t;
        // Threads thinner than a pixel are drawn a pixel wide and fainter.
        const float drawn = std::max(width, 1.f);
        float coverage = std::clamp(0.5f - (std::sqrt(ex * ex + ey * ey) - drawn / 2), 0.f, 1.f) * (width / drawn);
        if (coverage <= 0) continue;
        const std::size_t i = Index(x, y);
        if (m_strandCoverage[i] == 0) m_strandTouched.push_back(static_cast<std::uint32_t>(i));
        if (coverage > m_strandCoverage[i]) {
          m_strandCoverage[i] = coverage;
          m_strandColour[i] = MixColour(a.colour, b.colour, t);
        }
      }
  }
  for (std::uint32_t i : m_strandTouched) {
    Paint(static_cast<int>(i % m_width), static_cast<int>(i / m_width), m_strandColour[i], m_strandCoverage[i] * opacity);
    m_strandCoverage[i] = 0;
  }
  m_strandTouched.clear();
}

std::unique_ptr<CDibAlpha> ItemCanvas::ToDibAlpha() const {
  // Spread colour outwards into the empty pixels, a ring per pass.
  std::vector<Colour> colour = m_colour;
  std::vector<char> known(m_alpha.size());
  double sum[3] = {0, 0, 0}, weight = 0;
  for (std::size_t i = 0; i < m_alpha.size(); ++i) {
    known[i] = m_alpha[i] > 0.002f;
    if (known[i]) {
      sum[0] += colour[i].r * m_alpha[i], sum[1] += colour[i].g * m_alpha[i], sum[2] += colour[i].b * m_alpha[i];
      weight += m_alpha[i];
    }
  }
  for (int pass = 0; pass < 8; ++pass) {
    std::vector<char> next = known;
    for (int y = 0; y < m_height; ++y)
      for (int x = 0; x < m_width; ++x) {
        const std::size_t i = Index(x, y);
        if (known[i]) continue;
        float r = 0, g = 0, b = 0;
        int n = 0;
        for (int oy = -1; oy <= 1; ++oy)
          for (int ox = -1; ox <= 1; ++ox) {
            const int nx = x + ox, ny = y + oy;
            if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height || !known[Index(nx, ny)]) continue;
            const Colour& c = colour[Index(nx, ny)];
            r += c.r, g += c.g, b += c.b, ++n;
          }
        if (n) colour[i] = {r / n, g / n, b / n}, next[i] = 1;
      }
    known.swap(next);
  }
  const Colour mean = weight > 0 ? Colour{float(sum[0] / weight), float(sum[1] / weight), float(sum[2] / weight)}
                                 : Colour{128, 128, 128};

  auto image = std::make_unique<CDibAlpha>();
  if (!image->Create(CSize(m_width, m_height))) return nullptr;
  unsigned char* bits = image->LockBits();
  unsigned char* plane = image->LockAlpha();
  if (!bits || !plane) return nullptr;
  auto byte = [](float v) { return static_cast<unsigned char>(std::clamp(std::lround(v), 0l, 255l)); };
  for (int y = 0; y < m_height; ++y) {
    unsigned char* row = bits + static_cast<std::size_t>(m_height - 1 - y) * image->RowLength();
    for (int x = 0; x < m_width; ++x) {
      const std::size_t i = Index(x, y);
      const Colour& c = known[i] ? colour[i] : mean;
      row[3 * x] = byte(c.b);
      row[3 * x + 1] = byte(c.g);
      row[3 * x + 2] = byte(c.r);
      plane[i] = byte(255.f - std::clamp(m_alpha[i], 0.f, 1.f) * 255.f);
    }
  }
  image->UnlockAlpha();
  image->UnlockBits();
  return image;
}

float DistanceToEllipse(float x, float y, float cx, float cy, float rx, float ry) {
  // The implicit function's value over its gradient: exact on the curve,
  // close enough near it for an edge a few pixels wide.
  const float px = (x - cx) / rx, py = (y - cy) / ry;
  const float k = std::sqrt(px * px + py * py);
  if (k < 1e-6f) return -std::min(rx, ry);
  const float gradient = std::sqrt(px * px / (rx * rx) + py * py / (ry * ry)) / k;
  return (k - 1) / gradient;
}

float DistanceToSegment(float x, float y, float ax, float ay, float bx, float by) {
  const float dx = bx - ax, dy = by - ay;
  const float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / std::max(dx * dx + dy * dy, 1e-9f), 0.f, 1.f);
  return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

float DistanceToRoundedBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius) {
  const float qx = std::abs(x - cx) - halfWidth + radius, qy = std::abs(y - cy) - halfHeight + radius;
  return std::hypot(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - radius;
}

float DistanceToPolygon(float x, float y, const std::vector<float>& points) {
  const std::size_t n = points.size() / 2;
  float best = 1e30f;
  bool inside = false;
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const float xi = points[2 * i], yi = points[2 * i + 1], xj = points[2 * j], yj = points[2 * j + 1];
    best = std::min(best, DistanceToSegment(x, y, xj, yj, xi, yi));
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside ? -best : best;
}

float DistanceToSuperellipse(float x, float y, float cx, float cy, float rx, float ry, float exponent) {
  const float px = std::abs(x - cx) / rx, py = std::abs(y - cy) / ry;
  const float k = std::pow(std::pow(px, exponent) + std::pow(py, exponent), 1.f / exponent);
  return (k - 1) * std::min(rx, ry);
}

std::uint32_t ItemRandom::Next() {
  m_state ^= m_state >> 12;
  m_state ^= m_state << 25;
  m_state ^= m_state >> 27;
  return static_cast<std::uint32_t>((m_state * 2685821657736338717ull) >> 32);
}

float ItemRandom::Uniform(float low, float high) {
  return low + (high - low) * static_cast<float>(Next() >> 8) / static_cast<float>(1u << 24);
}

float ItemRandom::Normal(float mean, float spread) {
  float u = Uniform(1e-6f, 1.f), v = Uniform(0.f, 1.f);
  return mean + spread * std::sqrt(-2.f * std::log(u)) * std::cos(6.2831853f * v);
}
