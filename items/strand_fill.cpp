#include "items/strand_fill.h"

#include <cmath>

void FillWithStrands(ItemCanvas& canvas, const StrandFill& fill, ItemRandom& random) {
  const float area = (fill.right - fill.left) * (fill.bottom - fill.top);
  const int count = static_cast<int>(area * fill.density);
  std::vector<ItemCanvas::StrandPoint> strand;
  for (int n = 0; n < count; ++n) {
    float x = random.Uniform(fill.left, fill.right), y = random.Uniform(fill.top, fill.bottom);
    const float inside = fill.distance(x, y);
    if (inside > 0) continue;
    // Strands near the edge are shorter and fainter: a soft outline.
    const float edge = std::min(1.f, -inside / 1.5f);
    const float length = fill.length * random.Uniform(0.6f, 1.2f) * (0.5f + 0.5f * edge);
    const float bend = fill.curl * random.Uniform(-1.f, 1.f);
    const float shade = random.Uniform(0.85f, 1.12f);
    const float width = fill.width * random.Uniform(0.8f, 1.25f);
    float dx, dy;
    fill.flow(x, y, &dx, &dy);
    const float jitter = random.Normal(0, 0.12f);
    float angle = std::atan2(dy, dx) + jitter;
    // Start half a strand back so the seed sits in its middle.
    x -= std::cos(angle) * length / 2, y -= std::sin(angle) * length / 2;
    strand.clear();
    const int steps = std::max(3, static_cast<int>(length / 0.6f));
    for (int i = 0; i <= steps; ++i) {
      const float t = static_cast<float>(i) / steps;
      if (i > 0 && fill.distance(x, y) > 0.8f) break;
      const float taper = std::min(1.f, 0.3f + 2.5f * std::min(t, 1 - t));
      strand.push_back({canvas.X(x), canvas.Y(y), canvas.S(width * taper), ScaleColour(fill.colour(x, y), shade)});
      x += std::cos(angle) * length / steps, y += std::sin(angle) * length / steps;
      angle += bend * length / steps;
    }
    if (strand.size() >= 2) canvas.Strand(strand, fill.opacity * (0.6f + 0.4f * edge));
  }
}
