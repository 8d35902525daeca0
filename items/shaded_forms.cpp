// Noses and breasts: grey forms with no outline. Each is a height field
// (ridges and bumps of Gaussian profile) lit from the upper left; the grey
// level carries the shading and the document tints it with the skin colour
// it samples from the photo. The transparency follows the height, so the
// form fades into the skin around it instead of ending at an edge.
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/bases/item_record.h"
#include "items/kinds.h"
#include "items/portrait.h"

namespace {

using namespace portrait;

float Bump(float x, float y, float cx, float cy, float rx, float ry) {
  const float u = (x - cx) / rx, v = (y - cy) / ry;
  return std::exp(-(u * u + v * v));
}

// Draws a lit height field h(x, y) (portrait coordinates, about 0..1) with
// grey shading; `cavity` darkens (nostrils, folds), `cover` shapes the
// opacity.
void DrawForm(ItemCanvas& canvas, const std::function<float(float, float)>& height,
              const std::function<float(float, float)>& cavity, const std::function<float(float, float)>& cover,
              float relief) {
  const float step = 1.f / canvas.Frame().scale;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const float px = canvas.Frame().originX + (x + 0.5f) * step, py = canvas.Frame().originY + (y + 0.5f) * step;
      const float alpha = std::clamp(cover(px, py), 0.f, 1.f);
      if (alpha <= 0.004f) continue;
      const float gx = (height(px + 0.5f, py) - height(px - 0.5f, py)) * relief;
      const float gy = (height(px, py + 0.5f) - height(px, py - 0.5f)) * relief;
      const float nz = 1 / std::sqrt(gx * gx + gy * gy + 1);
      const float nx = -gx * nz, ny = -gy * nz;
      const float light = -0.45f * nx - 0.5f * ny + 0.74f * nz;  // from the upper left, in front
      const float specular = std::pow(std::max(0.f, light), 24.f) * 0.25f;
      // Grey 128 takes the skin colour itself; lighter and darker grey, its
      // lighter and darker shades. A flat patch (light 0.74) lands on 128.
      const float grey = std::clamp(129 * (0.55f + 0.6f * light) * (1 - cavity(px, py)) + 255 * specular, 0.f, 255.f);
      canvas.Paint(x, y, Grey(grey), alpha);
    }
}

struct Nose {
  const char* name;
  const char* shape;  // category
  const char* size;
  float bridgeWidth, tipRadius, wingSpread, tipY, hump, upturn;
  int faceShape;
};

const Nose kNoses[] = {
    {"Straight", "Straight", "Medium", 4.5f, 5.5f, 9.5f, 124, 0, 0, kFaceShapeOval},
    {"Long straight", "Straight", "Large", 4.5f, 5.5f, 9.5f, 128, 0, 0, kFaceShapeOblong},
    {"Button", "Button", "Small", 4.0f, 6.0f, 8.0f, 121, 0, 1.0f, kFaceShapeRound},
    {"Petite", "Button", "Small", 3.5f, 4.5f, 7.5f, 120, 0, 0.6f, kFaceShapeTriangle},
    {"Roman", "Roman", "Large", 5.0f, 5.5f, 10.0f, 127, 1.2f, -0.6f, kFaceShapeSquare},
    {"Aquiline", "Roman", "Medium", 4.5f, 5.0f, 9.5f, 126, 0.9f, -0.9f, kFaceShapeOblong},
    {"Snub", "Upturned", "Small", 4.0f, 5.5f, 9.0f, 121, 0, 1.6f, kFaceShapeRound},
    {"Upturned", "Upturned", "Medium", 4.5f, 5.5f, 9.5f, 123, 0, 1.3f, kFaceShapeOval},
    {"Greek", "Straight", "Medium", 5.5f, 5.0f, 9.0f, 125, 0, 0, kFaceShapeOval},
    {"Wide", "Wide", "Large", 6.0f, 6.5f, 12.5f, 124, 0, 0.3f, kFaceShapeSquare},
    {"Broad tip", "Wide", "Medium", 5.0f, 7.5f, 11.0f, 124, 0, 0.2f, kFaceShapeRound},
    {"Narrow", "Narrow", "Medium", 3.5f, 4.5f, 7.5f, 125, 0.3f, 0, kFaceShapeOblong},
};

void DrawNose(ItemCanvas& canvas, const Nose& nose) {
  const float top = kPupilY - 4, tipY = nose.tipY;
  auto height = [&](float x, float y) {
    const float t = std::clamp((y - top) / (tipY - top), 0.f, 1.2f);
    const float ridge = std::exp(-std::pow((x - kMidX) / (nose.bridgeWidth * (0.8f + 0.5f * t)), 2.f)) *
                        (0.25f + 0.5f * t + nose.hump * Bump(0, t, 0, 0.45f, 1, 0.15f) * 0.4f) *
                        (y < tipY + 2 ? 1.f : std::exp(-std::pow((y - tipY - 2) / 3, 2.f)));
    const float tip = Bump(x, y, kMidX, tipY - nose.upturn, nose.tipRadius, nose.tipRadius * 0.9f);
    const float wings = 0.55f * (Bump(x, y, kMidX - nose.wingSpread, tipY + 1.5f, 3.6f, 3.2f) +
                                 Bump(x, y, kMidX + nose.wingSpread, tipY + 1.5f, 3.6f, 3.2f));
    return ridge + tip + wings;
  };
  auto cavity = [&](float x, float y) {
    const float nostrils = 0.75f * (Bump(x, y, kMidX - nose.wingSpread * 0.45f, tipY + 4.5f - nose.upturn * 0.3f, 2.4f, 1.2f) +
                                    Bump(x, y, kMidX + nose.wingSpread * 0.45f, tipY + 4.5f - nose.upturn * 0.3f, 2.4f, 1.2f));
    const float creases = 0.3f * (Bump(x, y, kMidX - nose.wingSpread - 3, tipY + 1, 1.5f, 3.5f) +
                                  Bump(x, y, kMidX + nose.wingSpread + 3, tipY + 1, 1.5f, 3.5f));
    return std::min(0.8f, nostrils + creases);
  };
  auto cover = [&](float x, float y) {
    // Strong over the tip and wings, fading up the bridge and at the sides.
    const float body = Bump(x, y, kMidX, tipY - 1, nose.wingSpread + 6, 7.5f);
    const float bridge = std::exp(-std::pow((x - kMidX) / (nose.bridgeWidth + 3), 2.f)) *
                         std::clamp((y - top) / (tipY - top), 0.f, 1.f) * (y < tipY + 5 ? 1.f : 0.f);
    // Never fully opaque: the photo's own skin texture shows through.
    return std::min(0.8f, 1.2f * std::max(body, bridge * 0.7f) - 0.15f);
  };
  DrawForm(canvas, height, cavity, cover, 9);
}

struct Breast {
  const char* name;
  const char* size;   // category
  const char* shape;
  float radius, spread, lift, projection;
};

const Breast kBreasts[] = {
    {"Petite", "Small", "Natural", 26, 44, 0, 0.8f},   {"Small natural", "Small", "Natural", 30, 46, 0, 0.9f},
    {"Medium natural", "Medium", "Natural", 35, 48, 0, 1.0f}, {"Medium lifted", "Medium", "Lifted", 34, 46, 8, 1.05f},
    {"Full natural", "Full", "Natural", 41, 50, -2, 1.15f}, {"Full lifted", "Full", "Lifted", 40, 47, 7, 1.2f},
    {"Wide set", "Medium", "Wide set", 34, 56, 0, 1.0f},    {"Close set", "Medium", "Close set", 35, 41, 4, 1.05f},
};

void DrawBreast(ItemCanvas& canvas, const Breast& breast) {
  const float cx = (kUnderarmLeft + kUnderarmRight) / 2.f;
  const float cy = kUnderarmY + 36 - breast.lift;
  auto height = [&](float x, float y) {
    float h = 0;
    for (float side : {-1.f, 1.f}) {
      // Heavier below the centre: the lower curve is rounder than the top.
      const float bx = cx + side * breast.spread, by = cy;
      const float ry = y > by ? breast.radius * 0.85f : breast.radius * 1.3f;
      h = std::max(h, breast.projection * Bump(x, y, bx, by, breast.radius, ry));
    }
    return h;
  };
  auto cavity = [&](float x, float y) {
    float fold = 0;
    for (float side : {-1.f, 1.f}) {
      const float bx = cx + side * breast.spread;
      // The shadow under each breast.
      fold += 0.35f * Bump(x, y, bx, cy + breast.radius * 0.95f, breast.radius * 0.8f, 4.5f);
    }
    return std::min(0.6f, fold + 0.25f * Bump(x, y, cx, cy + 6, 5, breast.radius * 0.6f));
  };
  auto cover = [&](float x, float y) {
    float c = 0;
    for (float side : {-1.f, 1.f})
      c = std::max(c, Bump(x, y, cx + side * breast.spread, cy + 4, breast.radius * 1.25f, breast.radius * 1.15f));
    return 1.5f * c - 0.2f;
  };
  DrawForm(canvas, height, cavity, cover, 70);
}

}  // namespace

std::vector<GeneratedItem> MakeNoses() {
  std::vector<GeneratedItem> items;
  for (const Nose& nose : kNoses) {
    ItemCanvas canvas({200, 90, 50, 46, 3});
    DrawNose(canvas, nose);
    items.push_back(FinishItem(canvas, ItemAnchor::eyesLine, nose.name, {nose.shape, nose.size}, nose.faceShape));
  }
  return items;
}

std::vector<GeneratedItem> MakeBreasts() {
  std::vector<GeneratedItem> items;
  for (const Breast& breast : kBreasts) {
    ItemCanvas canvas({140, 270, 180, 130, 2});
    DrawBreast(canvas, breast);
    items.push_back(FinishItem(canvas, ItemAnchor::underarmLine, breast.name, {breast.size, breast.shape}, 0));
  }
  return items;
}
