// Accessories: earrings at the ear lobes, necklaces around the neck, clips,
// bows and flowers in the hair, and headbands over the crown. Each is built
// from a few lit shapes: metal and pearls shade as rounded bodies, fabric
// gets a soft edge.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "app/bases/item_record.h"
#include "items/kinds.h"
#include "items/portrait.h"
#include "items/shapes_helpers.h"

namespace {

using namespace portrait;

constexpr Colour kGoldColour{205, 165, 70}, kSilverColour{200, 202, 208}, kPearl{236, 230, 218},
    kCrystal{150, 190, 235}, kBlackColour{30, 28, 30}, kRedColour{180, 28, 40}, kTurquoise{40, 170, 170},
    kCoral{230, 110, 90}, kPink{230, 130, 160}, kWhite{245, 245, 240}, kYellow{240, 200, 60};

void Ball(ItemCanvas& canvas, float cx, float cy, float r, Colour colour) {
  FillPortrait(canvas, [=](float x, float y) { return DistanceToEllipse(x, y, cx, cy, r, r); },
               [=](float x, float y) { return Rounded(colour, x, y, cx, cy, r); }, 1.f);
}

void Ring(ItemCanvas& canvas, float cx, float cy, float r, float thickness, Colour colour) {
  FillPortrait(canvas, [=](float x, float y) { return std::abs(std::hypot(x - cx, y - cy) - r) - thickness / 2; },
               [=](float x, float y) {
                 // Lit like a tube: bright on the side facing up-left.
                 const float a = std::atan2(y - cy, x - cx);
                 return ScaleColour(colour, 0.8f + 0.35f * std::cos(a + 2.3f));
               },
               1.f);
}

void Sparkle(ItemCanvas& canvas, float cx, float cy, float r, Colour colour) {
  Ball(canvas, cx, cy, r * 0.55f, colour);
  for (int i = 0; i < 2; ++i) {
    const float ax = i ? 0.f : r, ay = i ? r : 0.f;
    FillPortrait(canvas, [=](float x, float y) { return DistanceToSegment(x, y, cx - ax, cy - ay, cx + ax, cy + ay) - 0.25f; },
                 Colour{255, 255, 255}, 0.8f, 0.6f);
  }
}

// Both ear lobes.
template <typename Draw>
void AtLobes(Draw draw) {
  draw(kEarLeftX + 1.5f, kEarLobeY);
  draw(kEarRightX - 1.5f, kEarLobeY);
}

// The necklace's curve: from beside the neck, down to the front and back up.
void NecklacePoint(float t, float drop, float* x, float* y) {
  const float u = 2 * t - 1;
  *x = kMidX + u * 34;
  *y = kNeckY - 4 + drop * (1 - u * u);
}

void Chain(ItemCanvas& canvas, float drop, Colour colour, float width) {
  std::vector<ItemCanvas::StrandPoint> points;
  for (int i = 0; i <= 60; ++i) {
    float x, y;
    NecklacePoint(i / 60.f, drop, &x, &y);
    points.push_back({canvas.X(x), canvas.Y(y), canvas.S(width), ScaleColour(colour, 0.85f + 0.3f * ((i % 3) == 0))});
  }
  canvas.Strand(points, 1.f);
}

void Beads(ItemCanvas& canvas, float drop, float r, Colour a, Colour b) {
  for (int i = 0; i <= 20; ++i) {
    float x, y;
    NecklacePoint(i / 20.f, drop, &x, &y);
    Ball(canvas, x, y, r, i % 2 ? b : a);
  }
}

void Bow(ItemCanvas& canvas, float cx, float cy, float size, float angle, Colour colour) {
  const float c = std::cos(angle), s = std::sin(angle);
  auto local = [=](float x, float y, float* u, float* v) {
    *u = (x - cx) * c + (y - cy) * s, *v = -(x - cx) * s + (y - cy) * c;
  };
  auto shade = [=](float x, float y) {
    float u, v;
    local(x, y, &u, &v);
    return ScaleColour(colour, 0.7f + 0.5f * (1 - std::abs(u) / size) - 0.2f * v / size);
  };
  FillPortrait(canvas, [=](float x, float y) {
                 float u, v;
                 local(x, y, &u, &v);
                 // Two loops narrowing to the knot.
                 const float half = std::abs(u);
                 const float wing = DistanceToEllipse(half, v, size * 0.55f, 0, size * 0.5f, size * 0.42f);
                 return std::max(wing, std::abs(v) - (0.15f + 0.55f * half / size) * size);
               },
               shade, 1.f, 0.8f);
  FillPortrait(canvas, [=](float x, float y) {
                 float u, v;
                 local(x, y, &u, &v);
                 return DistanceToPolygon(u, v, {-size * 0.12f, 0, size * 0.12f, 0, size * 0.4f, size * 0.9f, size * 0.15f, size * 0.95f});
               },
               shade, 1.f, 0.8f);
  FillPortrait(canvas, [=](float x, float y) {
                 float u, v;
                 local(x, y, &u, &v);
                 return DistanceToPolygon(u, v, {-size * 0.12f, 0, size * 0.12f, 0, -size * 0.15f, size * 0.95f, -size * 0.4f, size * 0.9f});
               },
               shade, 1.f, 0.8f);
  Ball(canvas, cx, cy, size * 0.16f, ScaleColour(colour, 0.9f));
}

void Flower(ItemCanvas& canvas, float cx, float cy, float r, int petals, Colour petal, Colour heart) {
  for (int i = 0; i < petals; ++i) {
    const float a = 6.283f * i / petals;
    const float px = cx + std::cos(a) * r * 0.55f, py = cy + std::sin(a) * r * 0.55f;
    FillPortrait(canvas, [=](float x, float y) {
                   const float u = (x - px) * std::cos(a) + (y - py) * std::sin(a);
                   const float v = -(x - px) * std::sin(a) + (y - py) * std::cos(a);
                   return DistanceToEllipse(u, v, 0, 0, r * 0.5f, r * 0.26f);
                 },
                 [=](float x, float y) {
                   const float d = std::hypot(x - cx, y - cy) / r;
                   return ScaleColour(petal, 0.75f + 0.35f * d);
                 },
                 1.f, 0.5f);
  }
  Ball(canvas, cx, cy, r * 0.25f, heart);
}

void Headband(ItemCanvas& canvas, float width, const std::function<Colour(float, float)>& shade) {
  // Over the crown, along the skull and its hair, ending behind the ears.
  const float cy = kSkullCentreY + 6, rx = kSkullRadiusX + 8, ry = kSkullRadiusY + 14;
  FillPortrait(canvas, [=](float x, float y) {
                 return std::max(std::abs(DistanceToEllipse(x, y, kMidX, cy, rx, ry)) - width / 2, y - (kSkullCentreY + 6));
               },
               shade, 1.f, 0.6f);
}

struct Accessory {
  const char* name;
  const char* type;      // category
  const char* material;  // category
  std::function<void(ItemCanvas&)> draw;
};

std::vector<Accessory> Accessories() {
  std::vector<Accessory> list = {
      {"Gold studs", "Earrings", "Gold", [](ItemCanvas& c) { AtLobes([&](float x, float y) { Ball(c, x, y, 2.2f, kGoldColour); }); }},
      {"Pearl studs", "Earrings", "Pearl", [](ItemCanvas& c) { AtLobes([&](float x, float y) { Ball(c, x, y, 2.6f, kPearl); }); }},
      {"Diamond studs", "Earrings", "Silver", [](ItemCanvas& c) { AtLobes([&](float x, float y) { Sparkle(c, x, y, 3.5f, kSilverColour); }); }},
      {"Gold hoops", "Earrings", "Gold", [](ItemCanvas& c) { AtLobes([&](float x, float y) { Ring(c, x, y + 6.5f, 6.5f, 1.3f, kGoldColour); }); }},
      {"Large silver hoops", "Earrings", "Silver", [](ItemCanvas& c) { AtLobes([&](float x, float y) { Ring(c, x, y + 10.5f, 10.5f, 1.1f, kSilverColour); }); }},
      {"Pearl drops", "Earrings", "Pearl",
       [](ItemCanvas& c) {
         AtLobes([&](float x, float y) {
           Ball(c, x, y, 1.4f, kGoldColour);
           FillPortrait(c, [=](float px, float py) { return DistanceToSegment(px, py, x, y, x, y + 8) - 0.35f; }, kGoldColour, 1.f);
           Ball(c, x, y + 10.5f, 3.f, kPearl);
         });
       }},
      {"Crystal drops", "Earrings", "Crystal",
       [](ItemCanvas& c) {
         AtLobes([&](float x, float y) {
           Ball(c, x, y, 1.4f, kSilverColour);
           FillPortrait(c, [=](float px, float py) { return DistanceToPolygon(px, py, {x, y + 2, x + 3, y + 9, x, y + 14, x - 3, y + 9}); },
                        [=](float px, float py) { return Rounded(kCrystal, px, py, x, y + 9, 4); }, 0.9f);
         });
       }},
      {"Pearl strand", "Necklaces", "Pearl", [](ItemCanvas& c) { Beads(c, 30, 2.6f, kPearl, kPearl); }},
      {"Gold chain with pendant", "Necklaces", "Gold",
       [](ItemCanvas& c) {
         Chain(c, 34, kGoldColour, 0.8f);
         const float x = kMidX, y = kNeckY + 35;
         FillPortrait(c, [=](float px, float py) { return DistanceToPolygon(px, py, {x, y - 1, x + 4.5f, y + 4, x, y + 10, x - 4.5f, y + 4}); },
                      [=](float px, float py) { return Rounded(kGoldColour, px, py, x, y + 4, 6); }, 1.f);
       }},
      {"Velvet choker", "Necklaces", "Fabric",
       [](ItemCanvas& c) {
         FillPortrait(c, [](float x, float y) { return DistanceToRoundedBox(x, y + 0.004f * (x - kMidX) * (x - kMidX) * -1, kMidX, kNeckY - 8, 24, 2.6f, 2); },
                      [](float, float y) { return ScaleColour(kBlackColour, 1.3f - 0.1f * (y - kNeckY + 10)); }, 1.f);
         Ball(c, kMidX, kNeckY - 6, 2.4f, kSilverColour);
       }},
      {"Turquoise and coral beads", "Necklaces", "Stone", [](ItemCanvas& c) { Beads(c, 28, 2.8f, kTurquoise, kCoral); }},
      {"Silver locket", "Necklaces", "Silver",
       [](ItemCanvas& c) {
         Chain(c, 32, kSilverColour, 0.7f);
         Ball(c, kMidX, kNeckY + 33, 4.f, kSilverColour);
       }},
      {"Gold barrette", "Hair clips", "Gold",
       [](ItemCanvas& c) {
         FillPortrait(c, [](float x, float y) { return DistanceToSegment(x, y, 178, 66, 196, 46) - 2.f; },
                      [](float x, float y) { return Rounded(kGoldColour, x, y, 187, 56, 8); }, 1.f);
       }},
      {"Pearl hair slide", "Hair clips", "Pearl",
       [](ItemCanvas& c) {
         for (int i = 0; i < 6; ++i) Ball(c, 178 + i * 3.4f, 64 - i * 3.8f, 2.1f, kPearl);
       }},
      {"Crystal hair pins", "Hair clips", "Crystal",
       [](ItemCanvas& c) {
         Sparkle(c, 190, 44, 3.5f, kCrystal);
         Sparkle(c, 182, 56, 3.f, kCrystal);
         Sparkle(c, 194, 60, 2.6f, kCrystal);
       }},
      {"Red satin bow", "Bows", "Satin", [](ItemCanvas& c) { Bow(c, 262, 40, 24, 0.5f, kRedColour); }},
      {"Black velvet bow", "Bows", "Velvet", [](ItemCanvas& c) { Bow(c, 190, 38, 22, -0.45f, kBlackColour); }},
      {"Pink rose", "Flowers", "Fabric",
       [](ItemCanvas& c) {
         Flower(c, 273, 62, 15, 7, kPink, Colour{190, 70, 110});
         Flower(c, 273, 62, 8, 5, Colour{240, 150, 175}, Colour{170, 60, 100});
       }},
      {"White daisy", "Flowers", "Fabric", [](ItemCanvas& c) { Flower(c, 184, 52, 14, 12, kWhite, kYellow); }},
      {"Black headband", "Headbands", "Fabric",
       [](ItemCanvas& c) { Headband(c, 5, [](float, float y) { return ScaleColour(kBlackColour, 1.4f - 0.006f * y); }); }},
      {"Tortoiseshell headband", "Headbands", "Acetate",
       [](ItemCanvas& c) {
         Headband(c, 4, [](float x, float y) {
           const float m = 0.5f + 0.25f * std::sin(x * 0.7f + std::sin(y * 0.5f) * 3) + 0.25f * std::sin(y * 1.1f - x * 0.3f);
           return MixColour(Colour{50, 26, 12}, Colour{180, 112, 48}, m * m);
         });
       }},
  };
  return list;
}

}  // namespace

std::vector<GeneratedItem> MakeAccessories() {
  std::vector<GeneratedItem> items;
  for (const Accessory& accessory : Accessories()) {
    ItemCanvas canvas({140, 10, 170, 240, 2});
    accessory.draw(canvas);
    items.push_back(FinishItem(canvas, ItemAnchor::faceFrame, accessory.name, {accessory.type, accessory.material}, 0));
  }
  return items;
}
