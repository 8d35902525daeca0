#include "items/shapes_helpers.h"

#include <algorithm>
#include <cmath>

void FillPortrait(ItemCanvas& canvas, const std::function<float(float, float)>& distance,
                  const std::function<Colour(float, float)>& shade, float opacity, float feather) {
  const ItemFrame& f = canvas.Frame();
  const float k = static_cast<float>(f.scale);
  canvas.FillShape(
      0, 0, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height()),
      [&](float x, float y) { return distance(f.originX + x / k, f.originY + y / k) * k; },
      [&](float x, float y) { return shade(f.originX + x / k, f.originY + y / k); }, opacity, std::max(1.f, feather * k));
}

void FillPortrait(ItemCanvas& canvas, const std::function<float(float, float)>& distance, Colour colour,
                  float opacity, float feather) {
  FillPortrait(canvas, distance, [colour](float, float) { return colour; }, opacity, feather);
}

Colour Rounded(Colour base, float x, float y, float cx, float cy, float radius) {
  const float u = std::clamp((x - cx) / radius, -1.f, 1.f), v = std::clamp((y - cy) / radius, -1.f, 1.f);
  const float nz = std::sqrt(std::max(0.f, 1 - u * u - v * v));
  const float light = std::max(0.f, -0.4f * u - 0.5f * v + 0.77f * nz);
  const float specular = std::pow(light, 30.f) * 0.5f;
  Colour c = ScaleColour(base, 0.45f + 0.75f * light);
  return MixColour(c, Colour{255, 255, 255}, specular);
}
