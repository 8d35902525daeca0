// Control pictures. Black is see-through for the controls, so everything
// outside a button's shape is left pure black and the shapes themselves
// never touch it (Canvas keeps drawn pixels off black).
#include "styles/Style_1/control_pictures.h"

#include <algorithm>
#include <cmath>

#include "platform/core/region.h"

namespace {

enum class State { kFrame, kMouseIn, kPressed, kDisabled, kOn };

struct Paint {
  Rgb top, bottom, edge, ink;
  double offset = 0;
};

Paint PaintFor(const ButtonLook& look, State state, double light) {
  using namespace theme;
  switch (state) {
    case State::kFrame:
      return {Mix(kSurfaceTop, Mix(kSurfaceTop, look.accent, 0.35), light), kSurfaceBottom,
              Mix(kEdge, look.accent, light), Mix(kInk, kBrightInk, light)};
    case State::kMouseIn:
      return {Mix(kSurfaceTop, kBrightInk, 0.12), Mix(kSurfaceBottom, look.accent, 0.25), look.accent, kBrightInk};
    case State::kPressed:
      return {Scale(look.accent, 0.5), Scale(look.accent, 0.65), Mix(look.accent, kBrightInk, 0.3), kBrightInk, 1};
    case State::kDisabled:
      return {Rgb{56, 58, 66}, Rgb{44, 46, 52}, Rgb{66, 68, 76}, kDimInk};
    case State::kOn:
      // Deep enough that white ink keeps 4.5:1 across the whole face.
      return {Scale(look.accent, 0.7), Scale(look.accent, 0.5), Mix(look.accent, kBrightInk, 0.45), kBrightInk};
  }
  return {};
}

Canvas DrawButton(const ButtonLook& look, const Glyph& glyph, State state, double light, int scale) {
  Paint paint = PaintFor(look, state, light);
  Canvas picture(look.width, look.height, {}, scale);
  double w = look.width, h = look.height;
  double radius = look.shape == ButtonShape::kRound ? std::min(w, h) / 2 - 0.5 : std::min(6.0, h / 4);
  picture.RoundRect(0.5, 0.5, w - 0.5, h - 0.5, radius, paint.edge, paint.edge);
  picture.RoundRect(1.5, 1.5, w - 1.5, h - 1.5, radius - 1, paint.top, paint.bottom);
  if (light > 0 || state == State::kMouseIn)
    picture.RoundRectOutline(2, 2, w - 2, h - 2, radius - 1.5, 1, Mix(paint.top, theme::kBrightInk, 0.25));
  // The caption shrinks to fit the button rather than being cut off.
  double captionSize = look.caption.empty() ? 0 : FittingSize(look.caption, theme::kCaptionSize, look.width - 6);
  TextMetrics caption = MeasureText(look.caption, captionSize);
  double captionSpace = look.caption.empty() ? 0 : caption.capHeight + caption.descent + 3;
  double size = std::min(w - 8, h - 8 - captionSpace);
  double left = (w - size) / 2 + paint.offset, top = (h - captionSpace - size) / 2 + paint.offset;
  if (glyph) glyph(picture, left, top, size, paint.ink);
  if (!look.caption.empty())
    picture.CentredText(look.caption, w / 2 + paint.offset, h - 4 - caption.descent - caption.capHeight / 2.0 + paint.offset,
                        captionSize, paint.ink);
  return picture;
}

// One state of a button, at whatever scale it is asked for.
PictureDrawing Button(const ButtonLook& look, const Glyph& glyph, State state, double light = 0) {
  return [=](int scale) { return DrawButton(look, glyph, state, light, scale); };
}

// A window shape of one rectangle per row of a circle of `side` pixels, as
// the window system stores shapes.
std::vector<unsigned char> CircleRegion(int side) {
  std::vector<CRect> rows;
  double r = side / 2.0;
  for (int y = 0; y < side; ++y) {
    double dy = y + 0.5 - r, half = std::sqrt(std::max(0.0, r * r - dy * dy));
    int left = static_cast<int>(std::lround(r - half)), right = static_cast<int>(std::lround(r + half));
    if (right > left) rows.push_back(CRect(left, y, right, y + 1));
  }
  std::vector<unsigned char> data(4 + kRegionDataHeaderSize + rows.size() * kRegionDataRectSize, 0);
  auto put = [&](std::size_t at, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
      data[at + i] = static_cast<unsigned char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
  };
  put(0, static_cast<std::int32_t>(data.size() - 4));
  put(4, kRegionDataHeaderSize);
  put(8, kRegionDataRectangles);
  put(12, static_cast<std::int32_t>(rows.size()));
  put(16, static_cast<std::int32_t>(rows.size() * kRegionDataRectSize));
  put(20, 0), put(24, 0), put(28, side), put(32, side);
  std::size_t at = 4 + kRegionDataHeaderSize;
  for (const CRect& row : rows) {
    put(at, row.left), put(at + 4, row.top), put(at + 8, row.right), put(at + 12, row.bottom);
    at += kRegionDataRectSize;
  }
  return data;
}

}  // namespace

void AddPicture(CZipResourceWriter& style, const std::string& name, const PictureDrawing& draw) {
  style.AddResource(name.c_str(), "dibimage", draw(1).ToBmpFile(), ".bmp");
  style.AddResource(ScaledResourceName(name, kHighDensityScale).c_str(), "dibimage",
                    draw(kHighDensityScale).ToBmpFile(), ".bmp");
}

Glyph TextGlyph(const std::string& text) {
  return [text](Canvas& c, double left, double top, double size, Rgb ink) {
    double fitting = FittingSize(text, std::max(8.0, size * 0.55), static_cast<int>(size) + 4, Weight::kBold);
    c.CentredText(text, left + size / 2, top + size / 2, fitting, ink, Weight::kBold);
  };
}

Glyph ThicknessGlyph(int thickness) {
  return [thickness](Canvas& c, double left, double top, double size, Rgb ink) {
    c.Disc(left + size / 2, top + size / 2, std::min(size / 2 - 1.5, 1.0 + thickness * size / 14), ink);
  };
}

Glyph ProjectionGlyph(int projection) {
  return [projection](Canvas& c, double left, double top, double size, Rgb ink) {
    double cx = left + size / 2, unit = size / 10;
    Rgb skin = Mix(Rgb{232, 190, 160}, ink, 0.15), hair = Rgb{96, 64, 44}, eye = Rgb{40, 44, 60};
    if (projection == 4) {  // body: head on shoulders
      c.RoundRect(cx - 3.6 * unit, top + 4.2 * unit, cx + 3.6 * unit, top + 10 * unit, 2.2 * unit, skin,
                  Scale(skin, 0.85));
      c.Disc(cx, top + 2.2 * unit, 1.9 * unit, skin);
      c.Disc(cx, top + 1.2 * unit, 1.4 * unit, hair);
      return;
    }
    double cy = top + 5.2 * unit, r = 3.6 * unit;
    c.Disc(cx, cy - 0.6 * unit, r + 0.4 * unit, hair);
    if (projection == 3) {  // rear: hair only, with a parting
      c.Disc(cx, cy + 0.4 * unit, r, Scale(hair, 1.15));
      c.Line(cx, cy - r, cx, cy + r * 0.5, 1, Scale(hair, 0.7));
      return;
    }
    double turn = projection == 0 ? 0 : projection == 1 ? 0.9 * unit : 1.8 * unit;
    c.Disc(cx + turn * 0.4, cy + 0.6 * unit, r - 0.3 * unit, skin);
    if (projection == 2) {  // side: the nose breaks the outline
      c.Disc(cx + r - 0.2 * unit, cy + 0.8 * unit, 0.9 * unit, skin);
      c.Disc(cx + 1.6 * unit, cy, 0.45 * unit, eye);
    } else {
      c.Disc(cx - 1.3 * unit + turn, cy, 0.45 * unit, eye);
      c.Disc(cx + 1.3 * unit + turn, cy, 0.45 * unit, eye);
    }
    c.Line(cx - 0.9 * unit + turn, cy + 2.2 * unit, cx + 0.9 * unit + turn, cy + 2.2 * unit, 0.9 * unit,
           Rgb{190, 80, 90});
  };
}

void AddPushButton(CZipResourceWriter& style, const std::string& base, const ButtonLook& look, const Glyph& glyph) {
  constexpr int kFrames = 4;
  for (int frame = 0; frame < kFrames; ++frame)
    AddPicture(style, base + "_D" + std::to_string(frame + 1),
               Button(look, glyph, State::kFrame, frame / double(kFrames - 1)));
  AddPicture(style, base + "_MOUSEIN", Button(look, glyph, State::kMouseIn));
  AddPicture(style, base + "_DOWNMOUSEIN", Button(look, glyph, State::kPressed));
  AddPicture(style, base + "_DISABLED", Button(look, glyph, State::kDisabled));
}

void AddToggle(CZipResourceWriter& style, const std::string& base, const ButtonLook& look, const Glyph& glyph,
               const Glyph& onGlyph) {
  AddPicture(style, base + "_D1", Button(look, glyph, State::kFrame));
  AddPicture(style, base + "_D2", Button(look, onGlyph ? onGlyph : glyph, State::kOn));
  AddPicture(style, base + "_MOUSEIN", Button(look, glyph, State::kMouseIn));
  AddPicture(style, base + "_DOWNMOUSEIN", Button(look, glyph, State::kPressed));
  AddPicture(style, base + "_DISABLED", Button(look, glyph, State::kDisabled));
}

void AddProjectionPicture(CZipResourceWriter& style, const std::string& base, int side) {
  ButtonLook look{side, side, ButtonShape::kRounded, theme::kAccent, ""};
  for (int projection = 0; projection < 5; ++projection)
    AddPicture(style, base + "_D" + std::to_string(projection + 1),
               Button(look, ProjectionGlyph(projection), State::kFrame, 0.3));
}

void AddRoundRegion(CZipResourceWriter& style, const std::string& base, int side) {
  style.AddResource((base + "_RGN").c_str(), "wndrgn", CircleRegion(side), ".rgn");
  style.AddResource(ScaledResourceName(base + "_RGN", kHighDensityScale).c_str(), "wndrgn",
                    CircleRegion(side * kHighDensityScale), ".rgn");
}

void AddSlider(CZipResourceWriter& style, const std::string& base, bool horizontal, int length) {
  using namespace theme;
  const int across = 22, knob = 16;
  auto thumb = [=](Rgb ring) -> PictureDrawing {
    return [=](int scale) {
      Canvas picture(knob, knob, {}, scale);
      picture.Disc(knob / 2.0, knob / 2.0, knob / 2.0 - 0.5, ring);
      picture.Disc(knob / 2.0, knob / 2.0, knob / 2.0 - 3, Mix(kSurfaceTop, kBrightInk, 0.55));
      return picture;
    };
  };
  AddPicture(style, base + "_THUMB", thumb(kAccent));
  AddPicture(style, base + "_ACTION", thumb(Mix(kAccent, kBrightInk, 0.45)));
  int w = horizontal ? length : across, h = horizontal ? across : length;
  // The groove and its lit part share one shape; the lit one is drawn only
  // where the slider's action area lies.
  auto groove = [=](Rgb top, Rgb bottom) -> PictureDrawing {
    return [=](int scale) {
      Canvas picture(w, h, {}, scale);
      double mid = across / 2.0;
      if (horizontal)
        picture.RoundRect(knob / 2.0 - 3, mid - 2.5, w - knob / 2.0 + 3, mid + 2.5, 2.5, top, bottom);
      else
        picture.RoundRect(mid - 2.5, knob / 2.0 - 3, mid + 2.5, h - knob / 2.0 + 3, 2.5, top, bottom);
      return picture;
    };
  };
  // The background is see-through around the groove so the panel shows.
  AddPicture(style, base + "_BACKGROUND", groove(Rgb{20, 23, 31}, Rgb{30, 34, 45}));
  AddPicture(style, base + "_TRACK", groove(Mix(kAccent, kBrightInk, 0.2), kAccentDark));
}

void AddThumbnailList(CZipResourceWriter& style, const std::string& base, int cell, int listLength, int cellHeight) {
  using namespace theme;
  const int height = cellHeight > 0 ? cellHeight : cell;
  auto frame = [=](Rgb edge, double width) -> PictureDrawing {
    return [=](int scale) {
      Canvas picture(cell, height, {}, scale);
      picture.RoundRectOutline(0.5, 0.5, cell - 0.5, height - 0.5, 5, width, edge);
      return picture;
    };
  };
  AddPicture(style, base + "_NORMAL", frame(kEdge, 1));
  AddPicture(style, base + "_FOCUSED", frame(Mix(kAccent, kBrightInk, 0.4), 2));
  AddPicture(style, base + "_SELECTED", frame(kAccent, 3));
  // The list paints its cells opaque: the corners take the panel's colour.
  AddPicture(style, base + "_BACK", [=](int scale) {
    Canvas empty(cell, height, kPanelBottom, scale);
    empty.RoundRect(0.5, 0.5, cell - 0.5, height - 0.5, 5, Rgb{38, 43, 57}, Rgb{34, 38, 51});
    return empty;
  });

  const int bar = 12;
  AddPicture(style, base + "_SRLBACK", [=](int scale) {
    Canvas strip(bar, listLength, {}, scale);
    strip.VerticalGradient(kPanelBottom, kPanelBottom);
    strip.RoundRect(3, 2, bar - 3, listLength - 2, 3, Rgb{24, 27, 36}, Rgb{24, 27, 36});
    return strip;
  });
  auto thumb = [=](Rgb colour) -> PictureDrawing {
    return [=](int scale) {
      Canvas picture(bar, 36, {}, scale);
      picture.RoundRect(1, 1, bar - 1, 35, 4, colour, Scale(colour, 0.8));
      return picture;
    };
  };
  AddPicture(style, base + "_SRLTHUMB", thumb(kEdge));
  AddPicture(style, base + "_SRLTHUMB_ACT", thumb(kAccent));
}
