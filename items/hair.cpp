// Hairstyles. Each style is a region around the skull (left open over the
// face) and a flow through it: from the parting along the skull, then
// straight down under gravity. Hair is drawn as strands that follow the
// flow, in three passes: broad dark strands underneath that close the gaps,
// the body of thin strands, and a few light ones where the light falls on
// the crown. The face opening is cut with a soft edge, which gives the soft
// hairline. Waves are a shared sideways swing of every strand, so the waves
// of neighbouring strands line up; curls swing each strand on its own.
#include <algorithm>
#include <cmath>

#include "app/bases/item_record.h"
#include "items/kinds.h"
#include "items/portrait.h"

namespace {

using namespace portrait;

enum class Parting { side, centre, back };
enum class Extra { none, bun, pigtails };

struct HairStyle {
  const char* name;
  const char* who;
  const char* length;
  const char* texture;
  HairColour colour;
  int faceShape;
  Parting parting;
  float partX;     // the parting's x (side partings)
  float endY;      // where the longest strands end
  float volume;    // how far the hair stands off the skull
  float fringeY;   // the fringe's lower edge, 0 without
  float wave;      // sideways swing; curls when `curly`
  bool curly;
  Extra extra;
  float sideEndY;  // the sides' end beside the face (short styles), 0 = endY
};

struct Point {
  float x, y;
};

float Smooth(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.f, 1.f);
  return t * t * (3 - 2 * t);
}

Point Normalised(Point p) {
  const float length = std::hypot(p.x, p.y);
  return length > 1e-6f ? Point{p.x / length, p.y / length} : Point{0, 1};
}

class HairModel {
 public:
  explicit HairModel(const HairStyle& style) : m_style(style) {
    m_rx = kSkullRadiusX + style.volume;
    m_ry = kSkullRadiusY + style.volume;
    m_sideEnd = style.sideEndY > 0 ? style.sideEndY : style.endY;
    if (style.extra == Extra::bun) m_bun = {kMidX, kCrownY + 4 - style.volume, 19};
  }

  // Signed distance to the face opening (and the neck), negative inside.
  float OpeningDistance(Point p) const {
    float d = DistanceToEllipse(p.x, p.y, kMidX, kFaceCentreY, kFaceRadiusX, kFaceRadiusY);
    if (m_style.fringeY > 0) d = std::max(d, m_style.fringeY - p.y);
    const float neck = std::max(std::abs(p.x - kMidX) - 25.f, kChinY - 14 - p.y);
    return std::min(d, neck);
  }

  bool InBun(Point p) const { return m_bun.r > 0 && std::hypot(p.x - m_bun.x, p.y - m_bun.y) < m_bun.r; }

  bool InPigtail(Point p, float* side = nullptr) const {
    if (m_style.extra != Extra::pigtails) return false;
    for (float s : {-1.f, 1.f})
      if (DistanceToEllipse(p.x, p.y, kMidX + s * 70, 166, 13, 46) < 0) {
        if (side) *side = s;
        return true;
      }
    return false;
  }

  bool Inside(Point p) const {
    if (InBun(p) || InPigtail(p)) return true;
    if (OpeningDistance(p) < -1) return false;
    float d = DistanceToEllipse(p.x, p.y, kMidX, kSkullCentreY, m_rx, m_ry);
    if (m_style.endY > kSkullCentreY + 40) {
      // Below the skull the hair falls beside the face and spreads a little.
      const float t = std::clamp((p.y - kSkullCentreY) / (m_style.endY - kSkullCentreY), 0.f, 1.f);
      const float halfWidth = m_rx - 4 + 14 * t;
      const float fall = std::max(std::abs(p.x - kMidX) - halfWidth, std::max(kSkullCentreY - p.y, p.y - m_style.endY));
      d = std::min(d, fall);
    }
    if (d >= 0) return false;
    if (p.y > m_sideEnd && std::abs(p.x - kMidX) > 20) return false;
    return p.y < m_style.endY;
  }

  Point Flow(Point p) const {
    if (InBun(p)) return Normalised({-(p.y - m_bun.y), p.x - m_bun.x});
    if (float side = 0; InPigtail(p, &side)) return Normalised({side * 0.12f, 1});
    Point dir;
    if (m_style.extra == Extra::bun) {
      dir = Normalised({m_bun.x - p.x, m_bun.y - p.y});  // pulled up, tight
      return dir;
    }
    if (m_style.parting == Parting::back) {
      dir = Normalised({p.x - kMidX, p.y - 230});  // combed back: up and a little out
    } else {
      const float split = m_style.parting == Parting::centre ? kMidX : m_style.partX;
      const float sign = p.x >= split ? 1.f : -1.f;
      dir = Normalised({-sign * (p.y - kSkullCentreY) / (m_ry * m_ry), sign * (p.x - kMidX) / (m_rx * m_rx)});
      // Away from the parting and a little down, so the parting shows.
      dir = Normalised({dir.x, std::max(dir.y, 0.f) + 0.3f});
    }
    if (m_style.fringeY > 0 && std::abs(p.x - kMidX) < 46 && p.y > kCrownY + 8) {
      const float w = Smooth(kCrownY + 8, kCrownY + 30, p.y);
      const Point down = Normalised({(p.x - kMidX) * 0.25f + 4, p.y - (kCrownY - 20)});
      dir = Normalised({dir.x * (1 - w) + down.x * w, dir.y * (1 - w) + down.y * w});
    }
    // Gravity takes over below the temples; bob ends turn under.
    const float w = Smooth(kSkullCentreY - 5, kSkullCentreY + 35, p.y);
    const float outward = p.x >= kMidX ? 1.f : -1.f;
    Point fall{outward * 0.1f, 1};
    if (m_style.endY < 230) fall.x -= outward * 0.5f * Smooth(m_style.endY - 30, m_style.endY, p.y);
    dir = Normalised({dir.x * (1 - w) + fall.x * w, dir.y * (1 - w) + fall.y * w});
    return dir;
  }

  // 0 in shadow to about 1.3 where the light falls; `sheen` the highlight band.
  float Shade(Point p, float* sheen) const {
    float u = (p.x - kMidX) / m_rx, v = (p.y - kSkullCentreY) / m_ry;
    float nz;
    if (InBun(p)) {
      u = (p.x - m_bun.x) / m_bun.r, v = (p.y - m_bun.y) / m_bun.r;
      nz = std::sqrt(std::max(0.f, 1 - u * u - v * v));
    } else if (p.y > kSkullCentreY) {
      u = std::clamp(u, -1.f, 1.f);
      nz = std::sqrt(std::max(0.f, 1 - u * u));
      v = 0.15f;
    } else {
      nz = std::sqrt(std::max(0.f, 1 - u * u - v * v));
    }
    const float diffuse = std::max(0.f, -0.35f * u - 0.55f * v + 0.76f * nz);
    *sheen = std::exp(-std::pow((v + 0.42f - 0.12f * u) / 0.14f, 2.f)) * Smooth(0.15f, 0.5f, nz);
    return 0.5f + 0.6f * diffuse;
  }

  Point Box0() const { return {kMidX - m_rx - 20, std::min(kCrownY - m_style.volume, m_bun.y - m_bun.r) - 4}; }
  Point Box1() const {
    return {kMidX + m_rx + 20, m_style.extra == Extra::pigtails ? 216.f : m_style.endY + 4};
  }

 private:
  struct Bun {
    float x = 0, y = 0, r = 0;
  };
  const HairStyle& m_style;
  float m_rx, m_ry, m_sideEnd;
  Bun m_bun;
};

struct Pass {
  float density;  // strands per portrait pixel of area
  float width;    // portrait pixels
  float lowShade, highShade;
  float opacity;
  float sheen;
};

void DrawHair(ItemCanvas& canvas, const HairStyle& style, unsigned seed) {
  HairModel model(style);
  ItemRandom random(seed);
  const Point lo = model.Box0(), hi = model.Box1();
  float area = 0;
  for (float y = lo.y; y < hi.y; y += 2)
    for (float x = lo.x; x < hi.x; x += 2) area += model.Inside({x, y}) ? 4.f : 0.f;

  const bool shortHair = style.endY < 135;
  const float maxLength = style.curly ? 30.f : shortHair ? 34.f : 110.f;
  const float step = style.curly ? 0.4f : 1.2f;
  const Pass passes[] = {
      {1 / 38.f, 3.2f, 0.4f, 0.52f, 1.0f, 0.2f},
      {1 / 6.f, 0.62f, 0.72f, 1.08f, 0.85f, 1.0f},
      {1 / 70.f, 0.45f, 1.15f, 1.4f, 0.55f, 1.6f},
  };
  for (const Pass& pass : passes) {
    // Short strands cover less each: more of them.
    const float perLength = std::max(1.f, 60.f / maxLength);
    const int count = static_cast<int>(area * pass.density * perLength * (style.curly ? 1.1f : 1.f));
    for (int n = 0; n < count; ++n) {
      Point seedPoint{random.Uniform(lo.x, hi.x), random.Uniform(lo.y, hi.y)};
      if (!model.Inside(seedPoint)) continue;
      const float length = maxLength * random.Uniform(0.45f, 1.f);
      // Trace both ways from the seed along the flow.
      std::vector<Point> back, ahead;
      for (int direction : {-1, 1}) {
        std::vector<Point>& path = direction < 0 ? back : ahead;
        Point p = seedPoint;
        for (float travelled = 0; travelled < length / 2; travelled += step) {
          const Point f = model.Flow(p);
          p = {p.x + direction * step * f.x, p.y + direction * step * f.y};
          if (!model.Inside(p)) break;
          path.push_back(p);
        }
      }
      std::vector<Point> path(back.rbegin(), back.rend());
      path.push_back(seedPoint);
      path.insert(path.end(), ahead.begin(), ahead.end());
      if (path.size() < 3) continue;

      const float strandShade = random.Uniform(pass.lowShade, pass.highShade);
      const float phase = style.curly ? random.Uniform(0, 6.283f) : random.Normal(0, 0.25f);
      const float waveLength = style.curly ? random.Uniform(5, 7) : 26;
      const float width = pass.width * random.Uniform(0.8f, 1.2f);
      std::vector<ItemCanvas::StrandPoint> strand;
      strand.reserve(path.size());
      for (std::size_t i = 0; i < path.size(); ++i) {
        Point p = path[i];
        const Point f = model.Flow(p);
        if (style.curly) {
          // A ringlet seen from the side: a helix around the path.
          const float turn = 6.283f * static_cast<float>(i) * step / waveLength + phase;
          const float across = style.wave * 1.3f * std::cos(turn), lengthwise = style.wave * 0.7f * std::sin(turn);
          p = {p.x - f.y * across + f.x * lengthwise, p.y + f.x * across + f.y * lengthwise};
        } else if (style.wave > 0) {
          const float along = p.y;
          const float swing = style.wave * std::sin(6.283f * along / waveLength + phase) *
                              (style.curly ? 1.f : Smooth(kSkullCentreY - 30, kSkullCentreY + 10, p.y));
          p = {p.x - f.y * swing, p.y + f.x * swing};
        }
        float sheen = 0;
        const float shade = model.Shade(p, &sheen) * strandShade;
        const Colour c = style.colour.colour;
        const float lift = 14 * sheen * pass.sheen;
        const Colour colour{c.r * shade + lift, c.g * shade + lift * 0.92f, c.b * shade + lift * 0.8f};
        const float t = static_cast<float>(i) / static_cast<float>(path.size() - 1);
        const float taper = std::min(1.f, 0.25f + 3.f * std::min(t, 1 - t));
        strand.push_back({canvas.X(p.x), canvas.Y(p.y), canvas.S(width * taper), colour});
      }
      canvas.Strand(strand, pass.opacity);
    }
  }
  if (style.extra == Extra::pigtails)
    for (float s : {-1.f, 1.f}) {
      const float x = canvas.X(kMidX + s * 68), y = canvas.Y(121), r = canvas.S(4.5f);
      canvas.FillShape(x - r, y - r, x + r, y + r, [&](float px, float py) { return DistanceToEllipse(px, py, x, y, r * 1.3f, r * 0.8f); },
                       [&](float, float py) { return MixColour(Colour{220, 40, 70}, Colour{140, 20, 40}, (py - y + r) / (2 * r)); }, 1.f, 1.5f);
    }
  // The face stays open, with a soft hairline.
  canvas.Mask([&](float x, float y) {
    const Point p{canvas.Frame().originX + x / canvas.Frame().scale, canvas.Frame().originY + y / canvas.Frame().scale};
    if (model.InBun(p) || model.InPigtail(p)) return 1.f;
    return Smooth(-1.f, 1.5f, model.OpeningDistance(p));
  });
}

constexpr float kNoFringe = 0;

const HairStyle kStyles[] = {
    // name, who, length, texture, colour, shape, parting, partX, endY, volume, fringeY, wave, curly, extra, sideEndY
    {"Classic bob", "Women", "Medium", "Straight", kDarkBrown, kFaceShapeOval, Parting::centre, 0, 182, 9, kNoFringe, 0, false, Extra::none, 0},
    {"Bob with a fringe", "Women", "Medium", "Straight", kBlack, kFaceShapeOblong, Parting::centre, 0, 176, 9, 84, 0, false, Extra::none, 0},
    {"Side-parted bob", "Women", "Medium", "Straight", kDarkBrown, kFaceShapeSquare, Parting::side, 200, 186, 10, kNoFringe, 0, false, Extra::none, 0},
    {"Wavy lob", "Women", "Medium", "Wavy", kLightBrown, kFaceShapeSquare, Parting::side, 204, 222, 12, kNoFringe, 2.2f, false, Extra::none, 0},
    {"Shoulder-length curls", "Women", "Medium", "Curly", kDarkBrown, kFaceShapeOblong, Parting::centre, 0, 214, 18, kNoFringe, 2.4f, true, Extra::none, 0},
    {"Long and straight", "Women", "Long", "Straight", kBlack, kFaceShapeRound, Parting::centre, 0, 305, 8, kNoFringe, 0, false, Extra::none, 0},
    {"Long with a side parting", "Women", "Long", "Straight", kBrown, kFaceShapeRound, Parting::side, 203, 300, 9, kNoFringe, 0, false, Extra::none, 0},
    {"Long with a fringe", "Women", "Long", "Straight", kBrown, kFaceShapeOblong, Parting::centre, 0, 296, 9, 86, 0, false, Extra::none, 0},
    {"Long waves", "Women", "Long", "Wavy", kBlonde, kFaceShapeOval, Parting::side, 205, 302, 13, kNoFringe, 2.6f, false, Extra::none, 0},
    {"Beach waves", "Women", "Long", "Wavy", kBlonde, kFaceShapeTriangle, Parting::centre, 0, 296, 12, kNoFringe, 3.0f, false, Extra::none, 0},
    {"Long curls", "Women", "Long", "Curly", kAuburn, kFaceShapeSquare, Parting::side, 208, 292, 20, kNoFringe, 2.6f, true, Extra::none, 0},
    {"Pixie cut", "Women", "Short", "Straight", kPlatinum, kFaceShapeOval, Parting::side, 204, 112, 6, 80, 0, false, Extra::none, 0},
    {"Short layers", "Women", "Short", "Wavy", kGrey, kFaceShapeRound, Parting::side, 206, 128, 12, kNoFringe, 1.6f, false, Extra::none, 0},
    {"Curly crop", "Women", "Short", "Curly", kBlack, kFaceShapeOblong, Parting::centre, 0, 124, 15, kNoFringe, 2.2f, true, Extra::none, 0},
    {"Top knot", "Women", "Up-do", "Straight", kBrown, kFaceShapeOval, Parting::centre, 0, 122, 3, kNoFringe, 0, false, Extra::bun, 0},
    {"Ballerina bun", "Women", "Up-do", "Straight", kBrown, kFaceShapeTriangle, Parting::centre, 0, 120, 2, kNoFringe, 0, false, Extra::bun, 0},
    {"Curly bun", "Women", "Up-do", "Curly", kDarkBrown, kFaceShapeSquare, Parting::centre, 0, 122, 4, kNoFringe, 1.6f, true, Extra::bun, 0},
    {"Grey bob", "Women", "Medium", "Wavy", kGrey, kFaceShapeRound, Parting::side, 246, 178, 11, kNoFringe, 1.6f, false, Extra::none, 0},
    {"Short crop", "Men", "Short", "Straight", kDarkBrown, kFaceShapeSquare, Parting::back, 0, 118, 5, kNoFringe, 0, false, Extra::none, 112},
    {"Classic side parting", "Men", "Short", "Straight", kBlack, kFaceShapeOval, Parting::side, 200, 118, 7, kNoFringe, 0, false, Extra::none, 112},
    {"Buzz cut", "Men", "Short", "Straight", kBrown, kFaceShapeOval, Parting::back, 0, 114, 2, kNoFringe, 0, false, Extra::none, 108},
    {"Quiff", "Men", "Short", "Wavy", kLightBrown, kFaceShapeRound, Parting::back, 0, 118, 11, kNoFringe, 1.2f, false, Extra::none, 110},
    {"Curly top", "Men", "Short", "Curly", kBlack, kFaceShapeOblong, Parting::centre, 0, 118, 12, kNoFringe, 2.0f, true, Extra::none, 110},
    {"Silver side parting", "Men", "Short", "Straight", kGrey, kFaceShapeSquare, Parting::side, 248, 120, 6, kNoFringe, 0, false, Extra::none, 114},
    {"Slicked back", "Men", "Medium", "Straight", kBlack, kFaceShapeOval, Parting::back, 0, 150, 5, kNoFringe, 0, false, Extra::none, 130},
    {"Shaggy", "Men", "Medium", "Wavy", kBrown, kFaceShapeTriangle, Parting::side, 206, 170, 11, 82, 1.8f, false, Extra::none, 0},
    {"Surfer", "Men", "Medium", "Wavy", kBlonde, kFaceShapeSquare, Parting::centre, 0, 196, 12, kNoFringe, 2.4f, false, Extra::none, 0},
    {"Long and loose", "Men", "Long", "Wavy", kDarkBrown, kFaceShapeOblong, Parting::centre, 0, 272, 10, kNoFringe, 2.0f, false, Extra::none, 0},
    {"Pudding bowl", "Children", "Short", "Straight", kBlonde, kFaceShapeRound, Parting::centre, 0, 120, 9, 82, 0, false, Extra::none, 0},
    {"Boy's side parting", "Children", "Short", "Straight", kLightBrown, kFaceShapeOval, Parting::side, 202, 118, 6, kNoFringe, 0, false, Extra::none, 112},
    {"Curly mop", "Children", "Short", "Curly", kRed, kFaceShapeRound, Parting::centre, 0, 128, 16, kNoFringe, 2.4f, true, Extra::none, 0},
    {"Girl's bob with a fringe", "Children", "Medium", "Straight", kDarkBrown, kFaceShapeRound, Parting::centre, 0, 170, 9, 83, 0, false, Extra::none, 0},
    {"Pigtails", "Children", "Medium", "Straight", kBrown, kFaceShapeOval, Parting::centre, 0, 122, 5, kNoFringe, 0, false, Extra::pigtails, 0},
};

}  // namespace

std::vector<GeneratedItem> MakeHairstyles() {
  std::vector<GeneratedItem> items;
  unsigned seed = 1000;
  for (const HairStyle& style : kStyles) {
    ItemCanvas canvas({122, 0, 206, 320, 2});
    DrawHair(canvas, style, ++seed);
    items.push_back(FinishItem(canvas, ItemAnchor::faceFrame, style.name,
                               {style.who, style.length, style.texture, style.colour.name}, style.faceShape));
  }
  return items;
}
