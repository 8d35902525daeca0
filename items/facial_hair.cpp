// Eyebrows, moustaches and beards: regions filled with short strands whose
// direction follows how such hair grows (brows from the nose outwards,
// moustaches from the philtrum down and out, beards down along the jaw).
// Each region's signed distance gives both the shape and its soft edge.
#include <algorithm>
#include <cmath>

#include "app/bases/item_record.h"
#include "items/kinds.h"
#include "items/portrait.h"
#include "items/strand_fill.h"

namespace {

using namespace portrait;

float Smooth(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.f, 1.f);
  return t * t * (3 - 2 * t);
}

// --- eyebrows ---

struct BrowShape {
  const char* name;
  const char* shape;      // category
  const char* weight;     // "Thin", "Natural", "Bold"
  float arch;             // height of the arch above the ends
  float peak;             // where the arch peaks, 0 inner end to 1 outer end
  float innerThickness, outerThickness;
  float roundness;        // 0 angular arch, 1 a smooth curve
  int faceShape;
};

// The brow's centre line over the left eye, t from 0 (inner end) to 1.
void BrowLine(const BrowShape& brow, float t, float* x, float* y) {
  const float inner = 214, outer = 181;
  *x = inner + (outer - inner) * t;
  const float angular = t < brow.peak ? t / brow.peak : 1 - (t - brow.peak) / (1 - brow.peak) * 0.9f;
  const float smooth = std::sin(3.14159f * std::clamp(t, 0.f, 1.f) * 0.92f);
  *y = kBrowY + 1 - brow.arch * (brow.roundness * smooth + (1 - brow.roundness) * angular) + 2.5f * t * t;
}

float BrowDistance(const BrowShape& brow, float px, float py) {
  // Nearest point of the centre line, sampled: brows are small.
  float best = 1e9f, bestT = 0;
  for (int i = 0; i <= 40; ++i) {
    float x, y;
    BrowLine(brow, i / 40.f, &x, &y);
    const float d = std::hypot(px - x, py - y);
    if (d < best) best = d, bestT = i / 40.f;
  }
  const float thickness = brow.innerThickness + (brow.outerThickness - brow.innerThickness) * bestT;
  const float endTaper = bestT > 0.85f ? (1 - (bestT - 0.85f) / 0.15f * 0.7f) : 1.f;
  return best - thickness / 2 * endTaper;
}

void DrawBrow(ItemCanvas& canvas, const BrowShape& brow, HairColour colour, unsigned seed) {
  ItemRandom random(seed);
  for (float side : {-1.f, 1.f}) {
    auto mirror = [side](float x) { return side < 0 ? x : 2 * kMidX - x; };
    StrandFill fill;
    fill.distance = [&](float x, float y) { return BrowDistance(brow, mirror(x), y); };
    fill.flow = [&](float x, float y, float* dx, float* dy) {
      // Inner hairs rise, the rest lie outwards along the brow.
      const float t = std::clamp((214 - mirror(x)) / 33, 0.f, 1.f);
      const float rise = 1.2f * (1 - Smooth(0.f, 0.3f, t));
      const float outward = side < 0 ? -1.f : 1.f;
      const float length = std::hypot(1.f, rise);
      *dx = outward / length, *dy = (-rise + 0.15f * t) / length;
    };
    fill.colour = [&](float x, float y) {
      const float t = std::clamp((214 - mirror(x)) / 33, 0.f, 1.f);
      return ScaleColour(colour.colour, 0.9f + 0.25f * t);
    };
    fill.left = std::min(mirror(178), mirror(218)), fill.right = std::max(mirror(178), mirror(218));
    fill.top = kBrowY - 12, fill.bottom = kBrowY + 8;
    fill.length = 3.2f, fill.width = 0.42f, fill.density = 9, fill.opacity = 0.75f, fill.curl = 0.05f;
    FillWithStrands(canvas, fill, random);
  }
}

const BrowShape kBrows[] = {
    {"Straight", "Straight", "Natural", 1.0f, 0.6f, 3.6f, 1.6f, 0.7f, kFaceShapeOblong},
    {"Straight bold", "Straight", "Bold", 1.0f, 0.6f, 5.0f, 2.6f, 0.7f, kFaceShapeOblong},
    {"Soft arch", "Soft arch", "Natural", 2.8f, 0.62f, 3.6f, 1.5f, 0.5f, kFaceShapeRound},
    {"Soft arch thin", "Soft arch", "Thin", 2.8f, 0.62f, 2.0f, 0.9f, 0.5f, kFaceShapeOval},
    {"High arch", "High arch", "Natural", 4.6f, 0.6f, 3.4f, 1.3f, 0.15f, kFaceShapeRound},
    {"High arch bold", "High arch", "Bold", 4.6f, 0.6f, 4.8f, 2.0f, 0.15f, kFaceShapeSquare},
    {"Rounded", "Rounded", "Natural", 3.4f, 0.5f, 3.4f, 1.8f, 1.0f, kFaceShapeSquare},
    {"Rounded thin", "Rounded", "Thin", 3.4f, 0.5f, 1.9f, 1.0f, 1.0f, kFaceShapeTriangle},
    {"Pencil thin", "Soft arch", "Thin", 3.2f, 0.65f, 1.4f, 0.8f, 0.4f, kFaceShapeOval},
    {"Bushy", "Straight", "Bold", 1.6f, 0.55f, 5.8f, 3.4f, 0.8f, kFaceShapeTriangle},
};

// --- moustaches and beards ---

struct Beard {
  const char* name;
  const char* style;  // category
  int region;         // which shape (below)
  float length;       // strand length
  float density;
  int faceShape;
};

enum Region { kChevron, kHandlebar, kWalrus, kPencil, kHorseshoe, kGoatee, kVanDyke, kFullBeard, kBoxed, kStubble, kMuttonChops };

float Union(float a, float b) { return std::min(a, b); }
float Cut(float a, float b) { return std::max(a, -b); }

float MouthOpening(float x, float y) { return DistanceToEllipse(x, y, kMidX, kMouthY + 1.5f, 19, 5.5f); }

float MoustacheBand(float x, float y, float top, float bottom, float halfWidth) {
  const float dx = std::abs(x - kMidX);
  // Thinner towards the corners, lying on the upper lip.
  const float sag = 2.5f * (dx / halfWidth) * (dx / halfWidth);
  return std::max(DistanceToRoundedBox(x, y, kMidX, (top + bottom) / 2 + sag, halfWidth, (bottom - top) / 2, 3),
                  top + 1.5f * (1 - dx / halfWidth) - y);
}

float LowerFace(float x, float y, float top) {
  // The jaw and chin below `top`, following the face oval, a little beyond it.
  return std::max(DistanceToEllipse(x, y, kMidX, kFaceCentreY + 2, kFaceRadiusX + 2, kFaceRadiusY + 4), top - y);
}

float RegionDistance(int region, float x, float y) {
  const float dx = std::abs(x - kMidX);
  switch (region) {
    case kChevron: return Cut(MoustacheBand(x, y, 130.5f, 140, 22), MouthOpening(x, y));
    case kPencil: return DistanceToRoundedBox(x, y + 0.8f * (dx / 20) * (dx / 20), kMidX, 137.5f, 19, 1.0f, 1);
    case kWalrus: return Cut(MoustacheBand(x, y, 129.5f, 148, 25), DistanceToEllipse(x, y, kMidX, 152, 12, 4));
    case kHandlebar: {
      const float bar = MoustacheBand(x, y, 131.5f, 138.5f, 21);
      // Ends that sweep out and turn up.
      const float ex = dx - 23, ey = y - 133;
      const float curl = std::abs(std::hypot(ex, ey) - 4.5f) - 1.3f;
      return Union(bar, ey < 2 ? curl : std::hypot(ex, ey) - 1.5f);
    }
    case kHorseshoe:
      return Union(Cut(MoustacheBand(x, y, 131, 140, 22), MouthOpening(x, y)),
                   DistanceToRoundedBox(x, y, kMidX + (x < kMidX ? -21.5f : 21.5f), 157, 3, 20, 2.5f));
    case kGoatee:
      return Cut(Union(MoustacheBand(x, y, 131, 140, 20), DistanceToEllipse(x, y, kMidX, 165, 15, 19)),
                 MouthOpening(x, y));
    case kVanDyke:
      return Union(Cut(MoustacheBand(x, y, 131, 139.5f, 21), MouthOpening(x, y)),
                   DistanceToPolygon(x, y, {kMidX - 9, 152, kMidX + 9, 152, kMidX + 3, 184, kMidX - 3, 184}));
    case kFullBeard:
      return Cut(Union(LowerFace(x, y, 118 + 0.02f * (50 - dx) * (50 - dx) * 0.35f),
                       MoustacheBand(x, y, 130, 140, 23)),
                 Union(MouthOpening(x, y), DistanceToEllipse(x, y, kMidX, 122, 30, 10)));
    case kBoxed:
      return Cut(Union(LowerFace(x, y, 132 + 0.006f * (50 - dx) * (50 - dx)), MoustacheBand(x, y, 131, 140, 22)),
                 MouthOpening(x, y));
    case kStubble:
      return Cut(Union(LowerFace(x, y, 126 + 0.008f * (50 - dx) * (50 - dx)), MoustacheBand(x, y, 130.5f, 140, 22)),
                 MouthOpening(x, y));
    case kMuttonChops:
      // The moustache joined to whiskers down the cheeks; the chin stays bare.
      return Union(MoustacheBand(x, y, 131, 139.5f, 22), std::max(LowerFace(x, y, 108), 33 - dx));
  }
  return 1;
}

void BeardFlow(int region, float x, float y, float* dx, float* dy) {
  float fx = (x - kMidX) / 22, fy = 0.9f;
  if (region == kHandlebar && std::abs(x - kMidX) > 21) fx *= 1.5f, fy = -0.6f;
  if (y > kMouthY + 6 || std::abs(x - kMidX) > 26) fx = (x - kMidX) * 0.012f, fy = 1;  // beard hair falls
  if (region == kPencil) fx = (x > kMidX ? 1.f : -1.f), fy = 0.35f;
  const float length = std::hypot(fx, fy);
  *dx = fx / length, *dy = fy / length;
}

void DrawBeard(ItemCanvas& canvas, const Beard& beard, HairColour colour, unsigned seed) {
  ItemRandom random(seed);
  StrandFill fill;
  fill.distance = [&](float x, float y) { return RegionDistance(beard.region, x, y); };
  fill.flow = [&](float x, float y, float* dx, float* dy) { BeardFlow(beard.region, x, y, dx, dy); };
  fill.colour = [&](float x, float y) {
    // Lit from above: darker under the lip and under the chin.
    const float shade = 1.05f - 0.25f * Smooth(kMouthY, kMouthY + 8, y) * (1 - Smooth(kMouthY + 8, kMouthY + 20, y)) -
                        0.2f * Smooth(kChinY - 8, kChinY + 6, y);
    return ScaleColour(colour.colour, shade);
  };
  fill.left = 165, fill.right = 285, fill.top = 95, fill.bottom = 200;
  fill.length = beard.length, fill.density = beard.density;
  fill.width = beard.region == kStubble ? 0.45f : 0.55f;
  fill.opacity = beard.region == kStubble ? 0.45f : 0.85f;
  fill.curl = beard.region == kWalrus ? 0.08f : 0.04f;
  if (beard.region != kStubble) {
    // A darker undercoat so the skin does not show through the beard.
    StrandFill under = fill;
    under.width = 1.6f, under.density = beard.density / 6, under.opacity = 0.7f;
    under.colour = [&](float, float) { return ScaleColour(colour.colour, 0.6f); };
    FillWithStrands(canvas, under, random);
  }
  FillWithStrands(canvas, fill, random);
}

struct BeardItem {
  Beard beard;
  HairColour colour;
};

const BeardItem kBeards[] = {
    {{"Chevron", "Chevron", kChevron, 4.5f, 5, kFaceShapeOblong}, kDarkBrown},
    {{"Chevron", "Chevron", kChevron, 4.5f, 5, kFaceShapeOblong}, kBlack},
    {{"Chevron", "Chevron", kChevron, 4.5f, 5, kFaceShapeOblong}, kGrey},
    {{"Handlebar", "Handlebar", kHandlebar, 4, 6, kFaceShapeOval}, kBlack},
    {{"Handlebar", "Handlebar", kHandlebar, 4, 6, kFaceShapeOval}, kRed},
    {{"Walrus", "Walrus", kWalrus, 6, 5, kFaceShapeSquare}, kGrey},
    {{"Walrus", "Walrus", kWalrus, 6, 5, kFaceShapeSquare}, kBrown},
    {{"Pencil", "Pencil", kPencil, 2.5f, 7, kFaceShapeOval}, kBlack},
    {{"Horseshoe", "Horseshoe", kHorseshoe, 4.5f, 5, kFaceShapeRound}, kDarkBrown},
    {{"Goatee", "Goatee", kGoatee, 4.5f, 5, kFaceShapeRound}, kBlack},
    {{"Goatee", "Goatee", kGoatee, 4.5f, 5, kFaceShapeRound}, kBrown},
    {{"Van Dyke", "Van Dyke", kVanDyke, 4.5f, 5, kFaceShapeTriangle}, kAuburn},
    {{"Full beard", "Full beard", kFullBeard, 6, 4, kFaceShapeRound}, kDarkBrown},
    {{"Full beard", "Full beard", kFullBeard, 6, 4, kFaceShapeRound}, kBlack},
    {{"Full beard", "Full beard", kFullBeard, 6, 4, kFaceShapeRound}, kGrey},
    {{"Full beard", "Full beard", kFullBeard, 6, 4, kFaceShapeRound}, kRed},
    {{"Short boxed beard", "Full beard", kBoxed, 3.5f, 5, kFaceShapeOblong}, kBrown},
    {{"Stubble", "Stubble", kStubble, 1.2f, 3, kFaceShapeSquare}, kDarkBrown},
    {{"Stubble", "Stubble", kStubble, 1.2f, 3, kFaceShapeSquare}, kBlack},
    {{"Mutton chops", "Mutton chops", kMuttonChops, 5, 4, kFaceShapeOblong}, kBrown},
};

}  // namespace

std::vector<GeneratedItem> MakeEyebrows() {
  std::vector<GeneratedItem> items;
  const HairColour colours[] = {kDarkBrown, kBlack, kLightBrown, kBlonde, kAuburn, kGrey};
  unsigned seed = 4000;
  for (std::size_t i = 0; i < 2 * (sizeof kBrows / sizeof kBrows[0]); ++i) {
    const BrowShape& brow = kBrows[i % (sizeof kBrows / sizeof kBrows[0])];
    const HairColour colour = colours[(i + i / 10) % 6];
    ItemCanvas canvas({172, 70, 106, 28, 3});
    DrawBrow(canvas, brow, colour, ++seed);
    items.push_back(FinishItem(canvas, ItemAnchor::eyesLine, std::string(brow.name) + ", " + colour.name,
                               {brow.shape, brow.weight, colour.name}, brow.faceShape));
  }
  return items;
}

std::vector<GeneratedItem> MakeMoustaches() {
  std::vector<GeneratedItem> items;
  unsigned seed = 5000;
  for (const BeardItem& item : kBeards) {
    ItemCanvas canvas({166, 96, 118, 106, 2});
    DrawBeard(canvas, item.beard, item.colour, ++seed);
    const bool moustacheOnly = item.beard.region <= kPencil;
    items.push_back(FinishItem(canvas, ItemAnchor::lipsLine, std::string(item.beard.name) + ", " + item.colour.name,
                               {moustacheOnly ? "Moustaches" : "Beards", item.beard.style, item.colour.name},
                               item.beard.faceShape));
  }
  return items;
}
