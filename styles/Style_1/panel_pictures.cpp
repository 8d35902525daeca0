// Large backgrounds go in as JPEG (small files, no see-through needed);
// the texture and everything drawn over by controls as BMP, so colours stay
// exact. Panels share one gradient and a hairline in the accent colour along
// the edge that meets the photo.
#include "styles/Style_1/panel_pictures.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "imagelib/dib.h"
#include "styles/Style_1/alpha_pcx_writer.h"
#include "styles/Style_1/control_pictures.h"
#include "styles/Style_1/icons.h"

namespace {

enum class Edge { kNone, kTop, kBottom, kLeft, kRight };

// A caption painted into a panel beside the control it names: its right
// end at `right` (or its left end at `left` when right is 0), its capitals
// centred on `centreY`.
struct PanelLabel {
  const char* text;
  int left, right, centreY;
};

// Panels are plain gradients lit from above, with a hairline in the accent
// colour along the edge that meets the photo. They carry no texture, so the
// program can stretch a bar's last row or column past the picture without a
// seam.
Canvas Panel(int scale, int width, int height, Edge edge, const std::string& heading = "",
             const std::vector<PanelLabel>& labels = {}) {
  Canvas panel(width, height, {}, scale);
  bool across = edge == Edge::kLeft || edge == Edge::kRight;
  if (across) {
    // Side panels: the gradient runs over their first 200 rows and then stays.
    panel.Rows([](double y) { return Mix(theme::kPanelTop, theme::kPanelBottom, std::min(1.0, y / 200.0)); });
  } else {
    panel.VerticalGradient(theme::kPanelTop, theme::kPanelBottom);
  }
  Rgb line = Scale(theme::kAccent, 0.8);
  if (edge == Edge::kTop) panel.FillRect(0, 0, width, 2, line);
  if (edge == Edge::kBottom) panel.FillRect(0, height - 2, width, height, line);
  if (edge == Edge::kLeft) panel.FillRect(0, 0, 2, height, line);
  if (edge == Edge::kRight) panel.FillRect(width - 2, 0, width, height, line);
  if (!heading.empty()) {
    panel.Text(heading, 12, 26, theme::kHeadingSize, theme::kBrightInk, Weight::kBold);
    int headingWidth = MeasureText(heading, theme::kHeadingSize, Weight::kBold).width;
    panel.FillRect(12, 32, 12 + headingWidth, 34, theme::kAccent);
  }
  for (const PanelLabel& label : labels) {
    TextMetrics metrics = MeasureText(label.text, theme::kCaptionSize);
    int x = label.right ? label.right - metrics.width : label.left;
    panel.Text(label.text, x, label.centreY + metrics.capHeight / 2, theme::kCaptionSize, theme::kInk);
  }
  return panel;
}

void AddJpeg(CZipResourceWriter& style, const char* name, const PictureDrawing& draw) {
  style.AddResource(name, "jpgimage", draw(1).ToJpegFile(90), ".jpg");
  style.AddResource(ScaledResourceName(name, kHighDensityScale).c_str(), "jpgimage",
                    draw(kHighDensityScale).ToJpegFile(90), ".jpg");
}

// The portrait scaled by the image library into the splash at (x, y), from
// the photo itself at every scale.
void DrawPortrait(Canvas& splash, const std::string& path, int x, int y, int height) {
  CDib photo;
  if (!photo.LoadFromFile(path)) return;
  const int s = splash.Scale();
  int width = photo.Width() * height / photo.Height();
  std::unique_ptr<CDib> scaled(photo.Zoom(CSize(width * s, height * s)));
  if (!scaled) return;
  const unsigned char* bits = scaled->LockBits();
  if (!bits) return;
  for (int row = 0; row < height * s; ++row) {
    const unsigned char* line = bits + static_cast<std::size_t>(height * s - 1 - row) * scaled->RowLength();
    for (int column = 0; column < width * s; ++column)
      splash.Blend(x * s + column, y * s + row, Rgb{line[3 * column + 2], line[3 * column + 1], line[3 * column]},
                   1.0);
  }
  scaled->UnlockBits();
  splash.RoundRectOutline(x - 0.5, y - 0.5, x + width + 0.5, y + height + 0.5, 2, 2, theme::kAccent);
}

Canvas Splash(const std::string& portrait, int scale) {
  Canvas splash(480, 300, {}, scale);
  splash.VerticalGradient(Rgb{52, 60, 82}, Rgb{24, 27, 38});
  splash.Text("Kelvora", 32, 136, 56, theme::kBrightInk, Weight::kBold);
  splash.FillRect(34, 150, 34 + MeasureText("Kelvora", 56, Weight::kBold).width, 154, theme::kAccent);
  splash.Text("Make-over studio", 34, 184, 20, theme::kInk);
  splash.Text("Loading\u2026", 34, 272, 12, theme::kDimInk);
  DrawPortrait(splash, portrait, 318, 40, 176);
  return splash;
}

Canvas ViewTexture(int scale) {
  Canvas texture(64, 64, {}, scale);
  for (int y = 0; y < 64; y += 16)
    for (int x = 0; x < 64; x += 16) {
      bool light = ((x / 16) + (y / 16)) % 2 == 0;
      texture.FillRect(x, y, x + 16, y + 16, light ? Rgb{58, 62, 74} : Rgb{50, 54, 66});
    }
  return texture;
}

// The progress window shows as much of this bar as is done: a lit groove
// with a soft highlight along its top.
Canvas Progress(int scale) {
  Canvas bar(304, 16, {}, scale);
  bar.RoundRect(0.5, 0.5, 303.5, 15.5, 7, Mix(theme::kAccent, theme::kBrightInk, 0.25), theme::kAccentDark);
  bar.RoundRect(4, 2.5, 300, 6.5, 2, Mix(theme::kAccent, theme::kBrightInk, 0.55), Mix(theme::kAccent, theme::kBrightInk, 0.3));
  return bar;
}

// The panel shown while no kind of item is chosen points the way up.
Canvas EmptyPanel(int scale, int width, int height) {
  Canvas panel = Panel(scale, width, height, Edge::kLeft);
  double cx = width / 2.0;
  panel.Line(cx, 150, cx, 70, 2.5, theme::kAccent);
  panel.Line(cx, 70, cx - 14, 86, 2.5, theme::kAccent);
  panel.Line(cx, 70, cx + 14, 86, 2.5, theme::kAccent);
  panel.CentredText("Choose a kind of item,", cx, 180, theme::kCaptionSize + 1, theme::kInk);
  panel.CentredText("make-up or the photo", cx, 198, theme::kCaptionSize + 1, theme::kInk);
  panel.CentredText("in the bar above.", cx, 216, theme::kCaptionSize + 1, theme::kInk);
  return panel;
}

// The make-up shapes, as coverage on a 40 × 40 swatch (white on black).
Canvas MakeupShape(const std::string& type, int scale) {
  Canvas shape(40, 40, {}, scale);
  Rgb white{255, 255, 255};
  if (type == "MAKEUP_LIPSTICK") {
    shape.Field(white, [](double x, double y) {
      double dx = (x - 20) / 16, dy = (y - 20) / 9;
      double lips = dx * dx + dy * dy - 1 + (dy < 0 ? 0.35 * std::exp(-dx * dx * 30) : 0);
      return std::clamp(0.5 - lips * 8, 0.0, 1.0);
    });
  } else if (type == "MAKEUP_LIPPENCIL") {
    shape.Field(white, [](double x, double y) {
      double dx = (x - 20) / 16, dy = (y - 20) / 9;
      double lips = std::abs(dx * dx + dy * dy - 1);
      return std::clamp(1.0 - lips * 6, 0.0, 1.0);
    });
  } else if (type == "MAKEUP_EYEPENCIL") {
    shape.Line(5, 22, 20, 13, 2.5, white);
    shape.Line(20, 13, 35, 20, 2.5, white);
    shape.Line(5, 22, 20, 28, 1.5, white);
    shape.Line(20, 28, 35, 20, 1.5, white);
  } else if (type == "MAKEUP_SHADES") {
    shape.Field(white, [](double x, double y) {
      double dx = (x - 20) / 16, upper = (y - 24) / 14, lower = (y - 30) / 12;
      double lid = std::max(dx * dx + upper * upper - 1, 1 - (dx * dx + lower * lower));
      return std::clamp(0.5 - lid * 8, 0.0, 1.0);
    });
  } else {  // powder and rouge: a soft round patch
    bool rouge = type == "MAKEUP_ROUGE";
    shape.Field(white, [rouge](double x, double y) {
      double r = std::hypot(x - 20, y - 20) / (rouge ? 15.0 : 17.0);
      return rouge ? std::clamp(1.2 - r * r, 0.0, 1.0) : std::clamp((1 - r) * 6, 0.0, 1.0);
    });
  }
  return shape;
}

// The sign dialog: a panel with its heading and the sign's pen beside it,
// and a footer band under a hairline where OK and Cancel sit. The dialog is
// as large as this picture: its fields start under the 56-row heading band
// and its buttons sit on the 48-row footer.
Canvas SignBackground(int scale) {
  constexpr int kWidth = 400, kHeight = 300, kFooter = 48;
  Canvas sign = Panel(scale, kWidth, kHeight, Edge::kTop, "Sign");
  Rgb footer = Scale(theme::kPanelBottom, 0.82);
  sign.FillRect(0, kHeight - kFooter, kWidth, kHeight, footer);
  sign.FillRect(0, kHeight - kFooter, kWidth, kHeight - kFooter + 1, theme::kEdge);
  // The pen signing, in the accent, at the heading's height on the right.
  Glyph pen = IconGlyph("PREVIEW_SELECTSIGN");
  if (pen) pen(sign, kWidth - 12 - 28, 8, 28, theme::kAccent);
  // A faint rule under the heading band ties the fields to it.
  sign.FillRect(12, 44, kWidth - 12, 45, Mix(theme::kPanelTop, theme::kEdge, 0.6));
  return sign;
}

}  // namespace

// Sizes and label places follow the panels' forms: side panels are 216
// wide and 640 high, bars 48 high; the labels sit left of their sliders.
void AddPanelBackgrounds(CZipResourceWriter& style, const std::string& splashPhoto) {
  constexpr int kSide = 216, kTall = 640;
  auto panel = [](int width, int height, Edge edge, std::string heading = "",
                  std::vector<PanelLabel> labels = {}) -> PictureDrawing {
    return [=](int scale) { return Panel(scale, width, height, edge, heading, labels); };
  };
  AddJpeg(style, "IDB_TITLE_PATTERN", panel(1024, 32, Edge::kBottom));
  AddJpeg(style, "IDB_TITLE_EXT_PATTERN", panel(64, 32, Edge::kBottom));
  AddJpeg(style, "IDB_TOOLS_PATTERN",
          panel(1024, 48, Edge::kTop, "", {{"Pressure", 0, 678, 24}, {"Opacity", 0, 852, 24}}));
  AddJpeg(style, "IDB_TOOLS_EXT_PATTERN", panel(64, 48, Edge::kTop));
  AddJpeg(style, "IDB_LEFTBAR_PATTERN", panel(80, 400, Edge::kRight));
  AddJpeg(style, "IDB_TOPBAR_FACE_PATTERN", panel(1024, 48, Edge::kBottom));
  AddJpeg(style, "IDB_GALLERY_PATTERN", panel(1024, 96, Edge::kTop));
  AddJpeg(style, "IDB_RIGHT_EMPTY_PATTERN", [](int scale) { return EmptyPanel(scale, kSide, kTall); });
  AddJpeg(style, "IDB_RIGHT_IMAGE_PATTERN",
          panel(kSide, kTall, Edge::kLeft, "Photo",
                {{"Brightness", 0, 74, 57}, {"Contrast", 0, 74, 87}, {"Hue", 0, 74, 117}, {"Deformation", 12, 0, 160}}));
  AddJpeg(style, "IDB_RIGHT_BASE_PATTERN",
          panel(kSide, kTall, Edge::kLeft, "Items",
                {{"Brightness", 0, 74, 463}, {"Contrast", 0, 74, 493}, {"Hue", 0, 74, 523}, {"Filter", 0, 74, 553}}));
  AddJpeg(style, "IDB_RIGHT_MAKEUP_PATTERN",
          panel(kSide, kTall, Edge::kLeft, "Make-up",
                {{"Brightness", 0, 74, 175}, {"Contrast", 0, 74, 215}, {"Hue", 0, 74, 255}}));
  AddJpeg(style, "IDB_RIGHT_CUSTOM_PATTERN", panel(kSide, kTall, Edge::kLeft, "My items"));
  AddJpeg(style, "IDB_RIGHT_GALLERY_PATTERN", panel(kSide, kTall, Edge::kLeft, "Gallery"));
  AddJpeg(style, "IDB_SPLASH", [splashPhoto](int scale) { return Splash(splashPhoto, scale); });
  AddJpeg(style, "IDB_SELECTSIGN", SignBackground);
  AddPicture(style, "IDB_PROGRESS", Progress);
  AddPicture(style, "IDB_VIEW_TEXTURE", ViewTexture);
}

void AddMakeupSwatches(CZipResourceWriter& style) {
  for (const char* type : {"MAKEUP_LIPSTICK", "MAKEUP_LIPPENCIL", "MAKEUP_EYEPENCIL", "MAKEUP_POWDER",
                           "MAKEUP_ROUGE", "MAKEUP_SHADES"}) {
    for (int scale : {1, kHighDensityScale}) {
      Canvas shape = MakeupShape(type, scale);
      const int width = shape.PixelWidth(), height = shape.PixelHeight();
      Canvas swatch(shape.Width(), shape.Height(), {}, scale);
      swatch.RoundRect(0, 0, shape.Width(), shape.Height(), 6, Rgb{236, 232, 228}, Rgb{214, 208, 204});
      std::vector<unsigned char> plane(static_cast<std::size_t>(width * height));
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
          int coverage = shape.At(x, y).r;
          plane[static_cast<std::size_t>(y * width + x)] = static_cast<unsigned char>(255 - coverage);
          swatch.Blend(x, y, Rgb{150, 140, 140}, coverage / 255.0 * 0.6);
        }
      std::string image = ScaledResourceName(std::string(type) + "_IMAGE", scale);
      std::string mask = ScaledResourceName(std::string(type) + "_MASK", scale);
      style.AddResource(image.c_str(), "dibimage", swatch.ToBmpFile(), ".bmp");
      style.AddResource(mask.c_str(), "pcximage", WriteAlphaPcx(plane, width, height), ".pcx");
    }
  }
}
