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
Canvas Panel(int width, int height, Edge edge, const std::string& heading = "",
             const std::vector<PanelLabel>& labels = {}) {
  Canvas panel(width, height);
  bool across = edge == Edge::kLeft || edge == Edge::kRight;
  if (across) {
    // Side panels: the gradient runs over their first 200 rows and then stays.
    for (int y = 0; y < height; ++y)
      panel.FillRect(0, y, width, y + 1, Mix(theme::kPanelTop, theme::kPanelBottom, std::min(1.0, y / 200.0)));
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

void AddJpeg(CZipResourceWriter& style, const char* name, const Canvas& picture) {
  style.AddResource(name, "jpgimage", picture.ToJpegFile(90), ".jpg");
}

// The portrait scaled by the image library into the splash at (x, y).
void DrawPortrait(Canvas& splash, const std::string& path, int x, int y, int height) {
  CDib photo;
  if (!photo.LoadFromFile(path)) return;
  int width = photo.Width() * height / photo.Height();
  std::unique_ptr<CDib> scaled(photo.Zoom(CSize(width, height)));
  if (!scaled) return;
  const unsigned char* bits = scaled->LockBits();
  if (!bits) return;
  for (int row = 0; row < height; ++row) {
    const unsigned char* line = bits + static_cast<std::size_t>(height - 1 - row) * scaled->RowLength();
    for (int column = 0; column < width; ++column)
      splash.Blend(x + column, y + row, Rgb{line[3 * column + 2], line[3 * column + 1], line[3 * column]}, 1.0);
  }
  scaled->UnlockBits();
  splash.RoundRectOutline(x - 0.5, y - 0.5, x + width + 0.5, y + height + 0.5, 2, 2, theme::kAccent);
}

Canvas Splash(const std::string& portrait) {
  Canvas splash(480, 300);
  splash.VerticalGradient(Rgb{52, 60, 82}, Rgb{24, 27, 38});
  splash.Text("Kelvora", 32, 136, 56, theme::kBrightInk, Weight::kBold);
  splash.FillRect(34, 150, 34 + MeasureText("Kelvora", 56, Weight::kBold).width, 154, theme::kAccent);
  splash.Text("Make-over studio", 34, 184, 20, theme::kInk);
  splash.Text("Loading\u2026", 34, 272, 12, theme::kDimInk);
  DrawPortrait(splash, portrait, 318, 40, 176);
  return splash;
}

Canvas ViewTexture() {
  Canvas texture(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      bool light = ((x / 16) + (y / 16)) % 2 == 0;
      texture.Blend(x, y, light ? Rgb{58, 62, 74} : Rgb{50, 54, 66}, 1.0);
    }
  return texture;
}

// The progress window shows as much of this bar as is done: a lit groove
// with a soft highlight along its top.
Canvas Progress() {
  Canvas bar(304, 16);
  bar.RoundRect(0.5, 0.5, 303.5, 15.5, 7, Mix(theme::kAccent, theme::kBrightInk, 0.25), theme::kAccentDark);
  bar.RoundRect(4, 2.5, 300, 6.5, 2, Mix(theme::kAccent, theme::kBrightInk, 0.55), Mix(theme::kAccent, theme::kBrightInk, 0.3));
  return bar;
}

// The panel shown while no kind of item is chosen points the way up.
Canvas EmptyPanel(int width, int height) {
  Canvas panel = Panel(width, height, Edge::kLeft);
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
Canvas MakeupShape(const std::string& type) {
  Canvas shape(40, 40);
  Rgb white{255, 255, 255};
  if (type == "MAKEUP_LIPSTICK") {
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        double dx = (x + 0.5 - 20) / 16, dy = (y + 0.5 - 20) / 9;
        double lips = dx * dx + dy * dy - 1 + (dy < 0 ? 0.35 * std::exp(-dx * dx * 30) : 0);
        shape.Blend(x, y, white, std::clamp(0.5 - lips * 8, 0.0, 1.0));
      }
  } else if (type == "MAKEUP_LIPPENCIL") {
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        double dx = (x + 0.5 - 20) / 16, dy = (y + 0.5 - 20) / 9;
        double lips = std::abs(dx * dx + dy * dy - 1);
        shape.Blend(x, y, white, std::clamp(1.0 - lips * 6, 0.0, 1.0));
      }
  } else if (type == "MAKEUP_EYEPENCIL") {
    shape.Line(5, 22, 20, 13, 2.5, white);
    shape.Line(20, 13, 35, 20, 2.5, white);
    shape.Line(5, 22, 20, 28, 1.5, white);
    shape.Line(20, 28, 35, 20, 1.5, white);
  } else if (type == "MAKEUP_SHADES") {
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        double dx = (x + 0.5 - 20) / 16, upper = (y + 0.5 - 24) / 14, lower = (y + 0.5 - 30) / 12;
        double lid = std::max(dx * dx + upper * upper - 1, 1 - (dx * dx + lower * lower));
        shape.Blend(x, y, white, std::clamp(0.5 - lid * 8, 0.0, 1.0));
      }
  } else {  // powder and rouge: a soft round patch
    bool rouge = type == "MAKEUP_ROUGE";
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        double r = std::hypot(x + 0.5 - 20, y + 0.5 - 20) / (rouge ? 15.0 : 17.0);
        shape.Blend(x, y, white, rouge ? std::clamp(1.2 - r * r, 0.0, 1.0) : std::clamp((1 - r) * 6, 0.0, 1.0));
      }
  }
  return shape;
}

}  // namespace

// Sizes and label places follow the panels' forms: side panels are 216
// wide and 640 high, bars 48 high; the labels sit left of their sliders.
void AddPanelBackgrounds(CZipResourceWriter& style, const std::string& splashPhoto) {
  constexpr int kSide = 216, kTall = 640;
  AddJpeg(style, "IDB_TITLE_PATTERN", Panel(1024, 32, Edge::kBottom));
  AddJpeg(style, "IDB_TITLE_EXT_PATTERN", Panel(64, 32, Edge::kBottom));
  AddJpeg(style, "IDB_TOOLS_PATTERN",
          Panel(1024, 48, Edge::kTop, "", {{"Pressure", 0, 678, 24}, {"Opacity", 0, 852, 24}}));
  AddJpeg(style, "IDB_TOOLS_EXT_PATTERN", Panel(64, 48, Edge::kTop));
  AddJpeg(style, "IDB_LEFTBAR_PATTERN", Panel(80, 400, Edge::kRight));
  AddJpeg(style, "IDB_TOPBAR_FACE_PATTERN", Panel(1024, 48, Edge::kBottom));
  AddJpeg(style, "IDB_GALLERY_PATTERN", Panel(1024, 96, Edge::kTop));
  AddJpeg(style, "IDB_RIGHT_EMPTY_PATTERN", EmptyPanel(kSide, kTall));
  AddJpeg(style, "IDB_RIGHT_IMAGE_PATTERN",
          Panel(kSide, kTall, Edge::kLeft, "Photo",
                {{"Brightness", 0, 74, 57}, {"Contrast", 0, 74, 87}, {"Hue", 0, 74, 117}, {"Deformation", 12, 0, 160}}));
  AddJpeg(style, "IDB_RIGHT_BASE_PATTERN",
          Panel(kSide, kTall, Edge::kLeft, "Items",
                {{"Brightness", 0, 74, 463}, {"Contrast", 0, 74, 493}, {"Hue", 0, 74, 523}, {"Filter", 0, 74, 553}}));
  AddJpeg(style, "IDB_RIGHT_MAKEUP_PATTERN",
          Panel(kSide, kTall, Edge::kLeft, "Make-up",
                {{"Brightness", 0, 74, 175}, {"Contrast", 0, 74, 215}, {"Hue", 0, 74, 255}}));
  AddJpeg(style, "IDB_RIGHT_CUSTOM_PATTERN", Panel(kSide, kTall, Edge::kLeft, "My items"));
  AddJpeg(style, "IDB_RIGHT_GALLERY_PATTERN", Panel(kSide, kTall, Edge::kLeft, "Gallery"));
  AddJpeg(style, "IDB_SPLASH", Splash(splashPhoto));
  AddJpeg(style, "IDB_SELECTSIGN", Panel(360, 260, Edge::kNone, "Sign"));
  AddPicture(style, "IDB_PROGRESS", Progress());
  AddPicture(style, "IDB_VIEW_TEXTURE", ViewTexture());
}

void AddMakeupSwatches(CZipResourceWriter& style) {
  for (const char* type : {"MAKEUP_LIPSTICK", "MAKEUP_LIPPENCIL", "MAKEUP_EYEPENCIL", "MAKEUP_POWDER",
                           "MAKEUP_ROUGE", "MAKEUP_SHADES"}) {
    Canvas shape = MakeupShape(type);
    Canvas swatch(shape.Width(), shape.Height());
    swatch.RoundRect(0, 0, shape.Width(), shape.Height(), 6, Rgb{236, 232, 228}, Rgb{214, 208, 204});
    std::vector<unsigned char> plane(static_cast<std::size_t>(shape.Width() * shape.Height()));
    for (int y = 0; y < shape.Height(); ++y)
      for (int x = 0; x < shape.Width(); ++x) {
        int coverage = shape.At(x, y).r;
        plane[static_cast<std::size_t>(y * shape.Width() + x)] = static_cast<unsigned char>(255 - coverage);
        swatch.Blend(x, y, Rgb{150, 140, 140}, coverage / 255.0 * 0.6);
      }
    AddPicture(style, std::string(type) + "_IMAGE", swatch);
    style.AddResource((std::string(type) + "_MASK").c_str(), "pcximage",
                      WriteAlphaPcx(plane, shape.Width(), shape.Height()), ".pcx");
  }
}
