// The pictures of the skinned controls in this style's theme: a dark slate
// surface with a teal accent. Every state is drawn from the same shape, so
// hovered, pressed, checked and disabled read as one family.
#pragma once

#include <functional>
#include <string>

#include "platform/core/zip_resource_writer.h"
#include "styles/Style_1/canvas.h"

namespace theme {
inline constexpr Rgb kPanelTop{46, 52, 68}, kPanelBottom{32, 36, 48};
inline constexpr Rgb kSurfaceTop{70, 79, 102}, kSurfaceBottom{50, 57, 75};
inline constexpr Rgb kEdge{92, 102, 128}, kAccent{43, 179, 163}, kAccentDark{24, 122, 112};
inline constexpr Rgb kInk{214, 220, 232}, kBrightInk{255, 255, 255}, kDimInk{112, 116, 128};
inline constexpr Rgb kWarm{236, 104, 86};
inline constexpr double kCaptionSize = 10.5, kHeadingSize = 15;
}  // namespace theme

// Draws a control's symbol centred in the given box, in the given colour.
using Glyph = std::function<void(Canvas&, double left, double top, double size, Rgb ink)>;

// A symbol made of a short word in the style's bold type.
Glyph TextGlyph(const std::string& text);
// The head (or body) seen from the side of projection 0 to 4.
Glyph ProjectionGlyph(int projection);
// A dot of brush thickness 1 to 6.
Glyph ThicknessGlyph(int thickness);

enum class ButtonShape { kRounded, kRound };

struct ButtonLook {
  ButtonLook(int w, int h, ButtonShape s = ButtonShape::kRounded, Rgb a = theme::kAccent, std::string c = "")
      : width(w), height(h), shape(s), accent(a), caption(std::move(c)) {}
  int width, height;
  ButtonShape shape;
  Rgb accent;
  std::string caption;  // small text under the glyph, may be empty
};

// A push button: four frames that light up while hovered, with mouse-in,
// pressed and disabled pictures.
void AddPushButton(CZipResourceWriter& style, const std::string& base, const ButtonLook& look, const Glyph& glyph);
// A toggle (check box): frame 1 off, frame 2 on, with mouse-in, pressed and
// disabled pictures. `onGlyph`, when given, is the symbol while on.
void AddToggle(CZipResourceWriter& style, const std::string& base, const ButtonLook& look, const Glyph& glyph,
               const Glyph& onGlyph = {});
// A picture with one frame per projection (front, half, side, rear, body).
void AddProjectionPicture(CZipResourceWriter& style, const std::string& base, int side);
// A round window shape ("_RGN") for a control of the given size, and the
// same circle in the pixels of its pictures at scale 2 ("_RGN@2x").
void AddRoundRegion(CZipResourceWriter& style, const std::string& base, int side);

// A slider's thumb, thumb under the mouse, groove background and the lit
// groove ("_TRACK") shown from the slider's first end to the thumb.
void AddSlider(CZipResourceWriter& style, const std::string& base, bool horizontal, int length);
// A thumbnail list's cell frames and scroll pictures; the cells are `cell`
// wide and, when `cellHeight` is given, that tall (room for a caption).
void AddThumbnailList(CZipResourceWriter& style, const std::string& base, int cell, int listLength,
                      int cellHeight = 0);

// Draws a picture at a scale: 1, or 2 for screens of twice the density.
using PictureDrawing = std::function<Canvas(int scale)>;
// Adds the picture under `name` and, drawn again at scale 2, under its
// "@2x" name.
void AddPicture(CZipResourceWriter& style, const std::string& name, const PictureDrawing& draw);
