// Glasses: two lens shapes over the pupils (or one shield for sports
// glasses), a rim drawn as a band around each shape's edge, a bridge and the
// temples running back to the ears. Lenses are nearly clear with a faint
// diagonal reflection, or tinted and semi-transparent, darker at the top.
// Acetate rims are thick and may carry a tortoiseshell mottle; metal rims
// are thin with a bright edge.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "app/bases/item_record.h"
#include "items/kinds.h"
#include "items/portrait.h"

namespace {

using namespace portrait;

enum class Lens { round, oval, rectangle, square, aviator, catEye, browline, rimless, shield, halfMoon };
enum class Rim { metal, acetate, tortoise };

struct GlassesStyle {
  const char* name;
  const char* shape;     // category
  Lens lens;
  Rim rim;
  Colour frame;
  const char* tint;      // "Clear" or a tint's name
  Colour tintColour;
  float tintDensity;     // 0 clear
  float scale;           // lens size
  int faceShape;
};

// Signed distance to the left lens (portrait units), centred on (cx, cy).
float LensDistance(Lens lens, float x, float y, float cx, float cy, float s) {
  const float dx = x - cx, dy = y - cy;
  const float inward = (x > cx) ? 1.f : 0.f;  // towards the nose for the left lens
  switch (lens) {
    case Lens::round: return DistanceToEllipse(x, y, cx, cy, 14 * s, 14 * s);
    case Lens::oval: return DistanceToEllipse(x, y, cx, cy, 17 * s, 11.5f * s);
    case Lens::rectangle: return DistanceToRoundedBox(x, y, cx, cy, 18 * s, 10.5f * s, 3.5f * s);
    case Lens::square: return DistanceToRoundedBox(x, y, cx, cy, 16.5f * s, 14 * s, 3 * s);
    case Lens::aviator: {
      const float ry = dy < 0 ? 10 * s : (14 + 3 * inward * std::min(1.f, dx / (8 * s))) * s;
      return DistanceToEllipse(x, y, cx, cy - 1, 17 * s, ry);
    }
    case Lens::catEye: {
      // The upper outer corner swept up.
      const float lift = dx < 0 ? std::max(0.f, -dx / (17 * s)) : 0.f;
      return DistanceToSuperellipse(x, y + 4 * s * lift * lift * (dy < 0 ? 1.f : 0.f), cx, cy, 17 * s, 11 * s, 2.6f);
    }
    case Lens::browline:
    case Lens::rimless: return DistanceToSuperellipse(x, y, cx, cy, 17 * s, 12 * s, 2.8f);
    case Lens::halfMoon: return std::max(DistanceToEllipse(x, y, cx, cy - 4, 16 * s, 13 * s), cy + 1 - y);
    case Lens::shield: return 1e9f;
  }
  return 1e9f;
}

float ShieldDistance(float x, float y, float s) {
  const float dx = std::abs(x - kMidX);
  // One wrap-around visor with a notch for the nose.
  const float body = DistanceToSuperellipse(x, y, kMidX, kPupilY + 1, 50 * s, 14 * s, 3.2f);
  const float notch = DistanceToEllipse(x, y, kMidX, kPupilY + 16, 6, 9);
  return std::max(body + std::max(0.f, dx - 40) * 0.1f, -notch);
}

void DrawGlasses(ItemCanvas& canvas, const GlassesStyle& style) {
  const float s = style.scale;
  const float lensY = style.lens == Lens::halfMoon ? kPupilY + 6 : kPupilY;
  std::function<float(float, float)> lens;
  if (style.lens == Lens::shield) {
    lens = [s](float x, float y) { return ShieldDistance(x, y, s); };
  } else {
    lens = [&, s](float x, float y) {
      // Both lenses: the right one mirrors the left about the face's axis.
      const float mx = x < kMidX ? x : 2 * kMidX - x;
      return LensDistance(style.lens, mx, y, kPupilLeftX, lensY, s);
    };
  }
  const bool rimless = style.lens == Lens::rimless || std::string(style.shape) == "Rimless";
  const float rimWidth = rimless ? 0.5f : style.rim == Rim::metal ? 1.0f : 2.4f;
  const float x0 = canvas.X(160), y0 = canvas.Y(78), x1 = canvas.X(290), y1 = canvas.Y(128);
  auto portraitDistance = [&](auto&& f) {
    return [&, f](float cx, float cy) {
      const float px = canvas.Frame().originX + cx / canvas.Frame().scale;
      const float py = canvas.Frame().originY + cy / canvas.Frame().scale;
      return f(px, py) * canvas.Frame().scale;
    };
  };

  // The glass.
  const float density = style.tintDensity;
  canvas.FillShape(x0, y0, x1, y1, portraitDistance([&](float x, float y) { return lens(x, y); }),
                   [&](float, float cy) {
                     const float t = std::clamp((cy - y0) / (y1 - y0), 0.f, 1.f);
                     return density > 0 ? ScaleColour(style.tintColour, 0.75f + 0.5f * t) : Colour{235, 242, 248};
                   },
                   density > 0 ? density : 0.1f);
  // A faint reflection across the upper outer part of each lens.
  canvas.FillShape(x0, y0, x1, y1, portraitDistance([&](float x, float y) {
                     const float mx = x < kMidX ? x : 2 * kMidX - x;
                     const float band = std::abs((mx - kPupilLeftX) + (y - lensY) * 0.9f + 5 * s) - 2.2f * s;
                     return std::max(band, lens(x, y) + 1.5f);
                   }),
                   Colour{255, 255, 255}, density > 0 ? 0.3f : 0.22f, 3.f * canvas.Frame().scale);

  auto rimColour = [&](float cx, float cy) {
    Colour c = style.frame;
    const float t = std::clamp((cy - y0) / (y1 - y0), 0.f, 1.f);
    if (style.rim == Rim::tortoise) {
      const float mottle = 0.5f + 0.25f * std::sin(cx * 0.21f + std::sin(cy * 0.17f) * 3) +
                           0.25f * std::sin(cy * 0.33f - cx * 0.11f);
      c = MixColour(Colour{48, 24, 10}, Colour{178, 110, 45}, mottle * mottle);
    }
    return ScaleColour(c, style.rim == Rim::metal ? 1.25f - 0.5f * t : 1.1f - 0.35f * t);
  };
  if (!rimless) {
    canvas.FillShape(x0, y0, x1, y1, portraitDistance([&](float x, float y) { return std::abs(lens(x, y)) - rimWidth / 2; }),
                     rimColour, 1.f);
  }
  if (style.lens == Lens::browline) {
    // A heavy bar along the top of each lens.
    canvas.FillShape(x0, y0, x1, y1, portraitDistance([&](float x, float y) {
                       return std::max(std::abs(lens(x, y) + 1.2f) - 2.f, y - (lensY - 5 * s));
                     }),
                     [&](float, float) { return Colour{30, 26, 24}; }, 1.f);
  }
  // Bridge and temples.
  const float rim = std::max(rimWidth, 1.f);
  auto bar = [&](float ax, float ay, float bx, float by, float width) {
    canvas.FillShape(x0, y0, x1, y1, portraitDistance([=](float x, float y) {
                       return DistanceToSegment(x, y, ax, ay, bx, by) - width / 2;
                     }),
                     rimColour, 1.f);
  };
  if (style.lens != Lens::shield) {
    const float innerX = kPupilLeftX + (style.lens == Lens::round ? 14 : 16.5f) * s;
    const float bridgeY = lensY - 3 * s;
    bar(innerX - 1, bridgeY, 2 * kMidX - innerX + 1, bridgeY, rim);
    if (style.lens == Lens::aviator) bar(innerX - 2, lensY - 9 * s, 2 * kMidX - innerX + 2, lensY - 9 * s, 0.9f);
  }
  const float outerX = kPupilLeftX - 17 * s - 1, templeY = lensY - 4 * s;
  // The temples, foreshortened: from the lenses' outer edges back to the ears.
  bar(outerX + 1.5f, templeY, kEarLeftX - 2, templeY - 2, rim);
  bar(2 * kMidX - outerX - 1.5f, templeY, kEarRightX + 2, templeY - 2, rim);
}

constexpr Colour kGold{196, 160, 80}, kSilver{190, 192, 196}, kGunmetal{90, 92, 98}, kBlackFrame{28, 26, 26},
    kRedFrame{150, 30, 36}, kNavy{30, 42, 84}, kWhiteFrame{230, 230, 228}, kBrownFrame{96, 60, 34};
constexpr Colour kGreenTint{46, 70, 40}, kGreyTint{40, 40, 44}, kBrownTint{80, 50, 28}, kBlueTint{30, 60, 110},
    kOrangeTint{200, 110, 30}, kRoseTint{190, 110, 120};
constexpr Colour kNone{};

const GlassesStyle kGlasses[] = {
    {"Round gold", "Round", Lens::round, Rim::metal, kGold, "Clear", kNone, 0, 1, kFaceShapeSquare},
    {"Round tortoiseshell", "Round", Lens::round, Rim::tortoise, kNone, "Clear", kNone, 0, 1, kFaceShapeSquare},
    {"Oval silver", "Oval", Lens::oval, Rim::metal, kSilver, "Clear", kNone, 0, 1, kFaceShapeOblong},
    {"Oval black", "Oval", Lens::oval, Rim::acetate, kBlackFrame, "Clear", kNone, 0, 1, kFaceShapeTriangle},
    {"Black rectangles", "Rectangular", Lens::rectangle, Rim::acetate, kBlackFrame, "Clear", kNone, 0, 1, kFaceShapeRound},
    {"Gunmetal rectangles", "Rectangular", Lens::rectangle, Rim::metal, kGunmetal, "Clear", kNone, 0, 1, kFaceShapeOval},
    {"Square tortoiseshell", "Square", Lens::square, Rim::tortoise, kNone, "Clear", kNone, 0, 1, kFaceShapeRound},
    {"Square navy", "Square", Lens::square, Rim::acetate, kNavy, "Clear", kNone, 0, 1, kFaceShapeOval},
    {"Gold aviators", "Aviator", Lens::aviator, Rim::metal, kGold, "Green", kGreenTint, 0.62f, 1, kFaceShapeSquare},
    {"Silver aviators", "Aviator", Lens::aviator, Rim::metal, kSilver, "Grey", kGreyTint, 0.7f, 1, kFaceShapeOval},
    {"Black cat-eye", "Cat-eye", Lens::catEye, Rim::acetate, kBlackFrame, "Clear", kNone, 0, 1, kFaceShapeTriangle},
    {"Red cat-eye", "Cat-eye", Lens::catEye, Rim::acetate, kRedFrame, "Clear", kNone, 0, 1, kFaceShapeRound},
    {"Browline", "Browline", Lens::browline, Rim::metal, kSilver, "Clear", kNone, 0, 1, kFaceShapeOval},
    {"Tortoiseshell browline", "Browline", Lens::browline, Rim::metal, kGold, "Clear", kNone, 0, 1, kFaceShapeTriangle},
    {"Rimless rectangles", "Rimless", Lens::rectangle, Rim::metal, kSilver, "Clear", kNone, 0, 0.95f, kFaceShapeOval},
    {"Rimless ovals", "Rimless", Lens::rimless, Rim::metal, kSilver, "Clear", kNone, 0, 0.95f, kFaceShapeSquare},
    {"Sports wrap, blue", "Sports", Lens::shield, Rim::acetate, kBlackFrame, "Blue", kBlueTint, 0.7f, 1, kFaceShapeOval},
    {"Sports wrap, amber", "Sports", Lens::shield, Rim::acetate, kWhiteFrame, "Amber", kOrangeTint, 0.55f, 1, kFaceShapeOblong},
    {"Half-moon readers", "Reading", Lens::halfMoon, Rim::metal, kGold, "Clear", kNone, 0, 0.85f, kFaceShapeOval},
    {"Tortoiseshell readers", "Reading", Lens::halfMoon, Rim::tortoise, kNone, "Clear", kNone, 0, 0.9f, kFaceShapeRound},
    {"Round sunglasses", "Round", Lens::round, Rim::metal, kGold, "Grey", kGreyTint, 0.82f, 1.05f, kFaceShapeSquare},
    {"Cat-eye sunglasses", "Cat-eye", Lens::catEye, Rim::tortoise, kNone, "Brown", kBrownTint, 0.75f, 1.08f, kFaceShapeRound},
    {"Square sunglasses", "Square", Lens::square, Rim::acetate, kBlackFrame, "Grey", kGreyTint, 0.85f, 1.05f, kFaceShapeOval},
    {"Oversized rose", "Oval", Lens::oval, Rim::acetate, kBrownFrame, "Rose", kRoseTint, 0.5f, 1.2f, kFaceShapeOblong},
};

}  // namespace

std::vector<GeneratedItem> MakeGlasses() {
  std::vector<GeneratedItem> items;
  for (const GlassesStyle& style : kGlasses) {
    ItemCanvas canvas({160, 76, 130, 54, 3});
    DrawGlasses(canvas, style);
    const char* material = style.lens == Lens::rimless || std::string(style.shape) == "Rimless" ? "Metal"
                           : style.rim == Rim::metal                                            ? "Metal"
                                                                                                : "Acetate";
    items.push_back(FinishItem(canvas, ItemAnchor::eyesLine, style.name,
                               {style.shape, material, style.tintDensity > 0 ? "Sunglasses" : "Clear", style.tint},
                               style.faceShape));
  }
  return items;
}
