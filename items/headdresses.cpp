// Head-dresses: hats, caps, berets, crowns, tiaras and headscarves, sitting
// on the portrait's head with their bands just above the hairline. Fabric
// and felt are shaded as soft rounded bodies; crowns and tiaras as metal
// with stones.
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/bases/item_record.h"
#include "items/kinds.h"
#include "items/portrait.h"
#include "items/shapes_helpers.h"

namespace {

using namespace portrait;

constexpr float kBandY = 60;  // where a hat meets the head

Colour Felt(Colour base, float x, float y, float cx, float cy, float rx, float ry) {
  const float u = std::clamp((x - cx) / rx, -1.f, 1.f), v = std::clamp((y - cy) / ry, -1.f, 1.f);
  const float nz = std::sqrt(std::max(0.f, 1 - u * u - v * v * 0.5f));
  return ScaleColour(base, 0.55f + 0.55f * std::max(0.f, -0.4f * u - 0.35f * v + 0.8f * nz));
}

void Brim(ItemCanvas& c, float rx, float ry, float y, Colour colour) {
  FillPortrait(c, [=](float px, float py) { return DistanceToEllipse(px, py, kMidX, y, rx, ry); },
               [=](float px, float py) {
                 // The underside in shadow, the front edge catching the light.
                 return ScaleColour(colour, py > y ? 0.6f : 0.95f + 0.15f * (1 - std::abs(px - kMidX) / rx));
               },
               1.f);
}

void Crown(ItemCanvas& c, float top, float halfWidth, float dent, Colour colour) {
  FillPortrait(c, [=](float px, float py) {
                 const float dx = std::abs(px - kMidX);
                 const float width = halfWidth - (kBandY - py) * 0.12f;
                 const float roof = top + dent * std::exp(-dx * dx / 200) + 0.004f * dx * dx;
                 return std::max(dx - width, std::max(roof - py, py - kBandY - 2));
               },
               [=](float px, float py) { return Felt(colour, px, py, kMidX, (top + kBandY) / 2, halfWidth, kBandY - top); }, 1.f);
}

void Ribbon(ItemCanvas& c, float halfWidth, float height, Colour colour) {
  FillPortrait(c, [=](float px, float py) {
                 return std::max(std::abs(px - kMidX) - halfWidth + (kBandY - py) * 0.12f,
                                 std::abs(py - (kBandY - height / 2 - 1)) - height / 2);
               },
               colour, 1.f);
}

void Dome(ItemCanvas& c, float cy, float rx, float ry, float cutY, const std::function<Colour(float, float)>& shade) {
  FillPortrait(c, [=](float px, float py) { return std::max(DistanceToEllipse(px, py, kMidX, cy, rx, ry), py - cutY); },
               shade, 1.f);
}

void Gem(ItemCanvas& c, float x, float y, float r, Colour colour) {
  FillPortrait(c, [=](float px, float py) { return DistanceToEllipse(px, py, x, y, r, r); },
               [=](float px, float py) { return Rounded(colour, px, py, x, y, r); }, 1.f);
}

void MetalCrown(ItemCanvas& c, Colour metal, float bottom, float height, int points, float halfWidth, bool stones) {
  const float top = bottom - height;
  auto shade = [=](float px, float py) {
    const float t = (py - top) / height;
    return ScaleColour(metal, 0.75f + 0.45f * std::sin(3.14159f * t) + 0.1f * std::sin(px * 0.8f));
  };
  FillPortrait(c, [=](float px, float py) {
                 const float u = (px - kMidX) / halfWidth;
                 const float arc = 0.05f * height * u * u;  // the band follows the round of the head
                 const float band = std::max(std::abs(px - kMidX) - halfWidth, std::abs(py + arc - (bottom - height * 0.15f)) - height * 0.15f);
                 const float phase = (u + 1) * points / 2;
                 const float tooth = std::abs(phase - std::floor(phase) - 0.5f) * 2;  // 0 at a point's middle
                 const float peak = bottom - height * 0.3f - height * 0.7f * (1 - tooth) - arc;
                 const float teeth = std::max(std::max(std::abs(px - kMidX) - halfWidth, peak - py), py - bottom + arc);
                 return std::min(band, teeth);
               },
               shade, 1.f);
  for (int i = 0; i < points; ++i) {
    const float u = -1 + (2.f * i + 1) / points;
    const float x = kMidX + u * halfWidth;
    const float arc = 0.05f * height * u * u;
    Gem(c, x, bottom - height - arc + 1.2f, height * 0.07f + 0.6f, stones ? Colour{250, 250, 250} : metal);
    if (stones) {
      const Colour colours[] = {{200, 20, 40}, {30, 70, 200}, {20, 150, 70}};
      Gem(c, x, bottom - height * 0.15f - arc, height * 0.08f + 0.5f, colours[i % 3]);
    }
  }
}

void Scarf(ItemCanvas& c, const std::function<Colour(float, float)>& shade) {
  // Over the head and down both sides, framing the face, knotted under the chin.
  FillPortrait(c, [](float px, float py) {
                 const float head = DistanceToEllipse(px, py, kMidX, kSkullCentreY + 10, kSkullRadiusX + 12, kSkullRadiusY + 22);
                 const float sides = std::max(DistanceToEllipse(px, py, kMidX, 140, 66, 70), py - 196);
                 const float face = DistanceToEllipse(px, py, kMidX, kFaceCentreY + 2, kFaceRadiusX + 3, kFaceRadiusY + 6);
                 const float open = std::max(face, 60 - py);
                 return std::max(std::min(head, sides), -open);
               },
               shade, 1.f, 0.8f);
  FillPortrait(c, [](float px, float py) { return DistanceToEllipse(px, py, kMidX, kChinY + 14, 9, 6); },
               [shade](float px, float py) { return ScaleColour(shade(px, py), 0.85f); }, 1.f);
}

struct HeadDress {
  const char* name;
  const char* type;  // category
  const char* colour;
  std::function<void(ItemCanvas&)> draw;
};

std::vector<HeadDress> HeadDresses() {
  auto fedora = [](Colour felt, Colour band) {
    return [=](ItemCanvas& c) {
      Brim(c, 94, 11, kBandY, felt);
      Crown(c, 8, 62, 6, felt);
      Ribbon(c, 62, 8, band);
    };
  };
  auto sunHat = [](Colour straw, Colour band) {
    return [=](ItemCanvas& c) {
      FillPortrait(c, [](float px, float py) { return DistanceToEllipse(px, py, kMidX, kBandY + 2, 122, 16); },
                   [=](float px, float py) {
                     const float weave = 0.9f + 0.1f * std::sin(std::hypot(px - kMidX, (py - kBandY) * 7) * 1.6f);
                     return ScaleColour(straw, (py > kBandY + 2 ? 0.7f : 1.f) * weave);
                   },
                   1.f);
      Dome(c, kBandY, 62, 46, kBandY + 1, [=](float px, float py) {
        return ScaleColour(Felt(straw, px, py, kMidX, kBandY - 20, 62, 46), 0.95f + 0.08f * std::sin(py * 3));
      });
      Ribbon(c, 61, 9, band);
    };
  };
  auto cap = [](Colour colour) {
    return [=](ItemCanvas& c) {
      Dome(c, kBandY + 4, 70, 54, kBandY + 6, [=](float px, float py) { return Felt(colour, px, py, kMidX, 40, 70, 54); });
      // The visor, seen from the front: a wide crescent below the crown.
      FillPortrait(c, [](float px, float py) {
                     return std::max(DistanceToEllipse(px, py, kMidX, kBandY + 3, 60, 16), kBandY + 3 - py);
                   },
                   [=](float, float py) { return ScaleColour(colour, 0.95f - 0.05f * (py - kBandY)); }, 1.f);
      Gem(c, kMidX, kBandY - 52, 3, ScaleColour(colour, 0.9f));
      for (float x : {-24.f, 24.f})
        FillPortrait(c, [=](float px, float py) { return std::max(std::abs(px - kMidX - x * (kBandY + 6 - py) / 46) - 0.4f, py - kBandY - 5); },
                     ScaleColour(colour, 0.6f), 0.7f);
    };
  };
  auto beret = [](Colour colour, float tilt) {
    return [=](ItemCanvas& c) {
      const float cs = std::cos(tilt), sn = std::sin(tilt);
      FillPortrait(c, [=](float px, float py) {
                     const float u = (px - kMidX - 8) * cs + (py - 40) * sn, v = -(px - kMidX - 8) * sn + (py - 40) * cs;
                     return DistanceToEllipse(u, v, 0, 0, 82, 26);
                   },
                   [=](float px, float py) { return Felt(colour, px, py, kMidX - 10, 28, 74, 26); }, 1.f, 1.2f);
      FillPortrait(c, [](float px, float py) { return DistanceToSegment(px, py, kMidX + 6, 17, kMidX + 8, 12) - 1.f; },
                   ScaleColour(colour, 0.8f), 1.f);
    };
  };
  auto beanie = [](Colour colour, bool pompom) {
    return [=](ItemCanvas& c) {
      Dome(c, kBandY + 10, 70, 62, kBandY + 14, [=](float px, float py) {
        const float rib = 0.88f + 0.12f * std::sin((px - kMidX) * 1.6f);
        return ScaleColour(Felt(colour, px, py, kMidX, 30, 70, 62), py > kBandY - 2 ? rib : 0.96f + 0.04f * std::sin(py * 2.5f));
      });
      if (pompom) {
        ItemRandom random(77);
        for (int i = 0; i < 500; ++i) {
          const float a = random.Uniform(0, 6.283f), r = random.Uniform(0, 11);
          const float x = kMidX + std::cos(a) * r * 0.4f, y = 14 + std::sin(a) * r * 0.4f;
          std::vector<ItemCanvas::StrandPoint> tuft = {
              {c.X(x), c.Y(y), c.S(0.7f), colour},
              {c.X(x + std::cos(a) * 7), c.Y(y + std::sin(a) * 7), c.S(0.3f), ScaleColour(colour, 1.2f)}};
          c.Strand(tuft, 0.8f);
        }
      }
    };
  };
  auto scarf = [](Colour a, Colour b, bool dots) {
    return [=](ItemCanvas& c) {
      Scarf(c, [=](float px, float py) {
        const float fold = 0.85f + 0.15f * std::sin((px - kMidX) * 0.12f + py * 0.05f);
        const bool dot = dots && std::hypot(std::fmod(px + 400, 9.f) - 4.5f, std::fmod(py + 400, 9.f) - 4.5f) < 1.8f;
        return ScaleColour(dot ? b : a, fold);
      });
    };
  };
  return {
      {"Grey fedora", "Hats", "Grey", fedora({120, 120, 124}, {40, 40, 44})},
      {"Brown fedora", "Hats", "Brown", fedora({110, 74, 48}, {50, 32, 20})},
      {"Panama", "Hats", "Cream", fedora({226, 214, 180}, {30, 30, 30})},
      {"Straw sun hat", "Hats", "Straw", sunHat({214, 184, 120}, {40, 60, 120})},
      {"Wide sun hat with pink ribbon", "Hats", "Straw", sunHat({224, 200, 150}, {220, 120, 150})},
      {"Bowler", "Hats", "Black",
       [](ItemCanvas& c) {
         Brim(c, 78, 8, kBandY + 1, {36, 34, 34});
         Dome(c, kBandY, 64, 50, kBandY + 1, [](float px, float py) { return Felt({40, 38, 38}, px, py, kMidX, 30, 64, 50); });
         Ribbon(c, 63, 6, {20, 20, 20});
       }},
      {"Cloche", "Hats", "Burgundy",
       [](ItemCanvas& c) {
         Dome(c, kBandY + 8, 72, 60, kBandY + 14, [](float px, float py) { return Felt({110, 30, 44}, px, py, kMidX, 34, 72, 60); });
         Gem(c, kMidX + 36, kBandY + 6, 4, {230, 220, 200});
       }},
      {"Red baseball cap", "Caps", "Red", cap({180, 30, 36})},
      {"Navy baseball cap", "Caps", "Navy", cap({32, 44, 86})},
      {"Tweed flat cap", "Caps", "Brown",
       [](ItemCanvas& c) {
         Dome(c, kBandY + 2, 80, 36, kBandY + 4, [](float px, float py) {
           const float tweed = 0.9f + 0.1f * std::sin(px * 2.1f) * std::sin(py * 2.3f);
           return ScaleColour(Felt({120, 100, 76}, px, py, kMidX, 40, 80, 36), tweed);
         });
         FillPortrait(c, [](float px, float py) { return std::max(DistanceToEllipse(px, py, kMidX, kBandY + 2, 50, 8), kBandY + 2 - py); },
                      Colour{90, 74, 56}, 1.f);
       }},
      {"Knitted beanie with pompom", "Caps", "Mustard", beanie({200, 150, 40}, true)},
      {"Grey beanie", "Caps", "Grey", beanie({120, 122, 128}, false)},
      {"Red beret", "Berets", "Red", beret({170, 28, 40}, -0.12f)},
      {"Black beret", "Berets", "Black", beret({36, 34, 36}, -0.1f)},
      {"Navy beret", "Berets", "Navy", beret({34, 46, 90}, 0.1f)},
      {"Gold crown", "Crowns", "Gold", [](ItemCanvas& c) { MetalCrown(c, {215, 170, 60}, kBandY - 4, 46, 5, 60, true); }},
      {"Silver crown", "Crowns", "Silver", [](ItemCanvas& c) { MetalCrown(c, {200, 204, 210}, kBandY - 4, 42, 7, 60, true); }},
      {"Diamond tiara", "Tiaras", "Silver", [](ItemCanvas& c) { MetalCrown(c, {215, 220, 228}, 40, 20, 9, 50, false); }},
      {"Gold tiara", "Tiaras", "Gold", [](ItemCanvas& c) { MetalCrown(c, {220, 180, 80}, 40, 18, 7, 48, false); }},
      {"Silk headscarf", "Headscarves", "Blue", scarf({40, 70, 150}, {240, 240, 240}, true)},
      {"Plain headscarf", "Headscarves", "Green", scarf({60, 120, 90}, {}, false)},
  };
}

}  // namespace

std::vector<GeneratedItem> MakeHeadDresses() {
  std::vector<GeneratedItem> items;
  for (const HeadDress& dress : HeadDresses()) {
    ItemCanvas canvas({100, 0, 250, 210, 2});
    dress.draw(canvas);
    items.push_back(FinishItem(canvas, ItemAnchor::faceFrame, dress.name, {dress.type, dress.colour}, 0));
  }
  return items;
}

std::vector<GeneratedItem> MakeFaceTypes() {
  // Plain face outlines for the select-by-type dialog: the shape reads at a
  // glance in a 48 x 48 thumbnail.
  struct Type {
    const char* name;
    int shape;
    std::function<float(float, float)> distance;
  };
  const float cx = kMidX, cy = kFaceCentreY;
  const Type types[] = {
      {"Triangle", kFaceShapeTriangle,
       [=](float x, float y) { return DistanceToPolygon(x, y, {cx - 30, 72, cx + 30, 72, cx + 48, 160, cx, 190, cx - 48, 160}) - 6; }},
      {"Square", kFaceShapeSquare, [=](float x, float y) { return DistanceToRoundedBox(x, y, cx, cy, 46, 58, 16); }},
      {"Round", kFaceShapeRound, [=](float x, float y) { return DistanceToEllipse(x, y, cx, cy, 54, 58); }},
      {"Oval", kFaceShapeOval, [=](float x, float y) { return DistanceToEllipse(x, y, cx, cy, 42, 60); }},
      {"Oblong", kFaceShapeOblong, [=](float x, float y) { return DistanceToRoundedBox(x, y, cx, cy, 36, 62, 24); }},
  };
  std::vector<GeneratedItem> items;
  for (const Type& type : types) {
    ItemCanvas canvas({165, 58, 120, 140, 1});
    FillPortrait(canvas, type.distance, [=](float x, float y) { return Rounded({236, 200, 170}, x, y, cx, cy - 20, 90); }, 1.f);
    FillPortrait(canvas, [&](float x, float y) { return std::abs(type.distance(x, y)) - 1.5f; }, Colour{90, 60, 50}, 1.f);
    items.push_back(FinishItem(canvas, ItemAnchor::faceFrame, type.name, {"Type of face", type.name}, type.shape));
  }
  return items;
}
