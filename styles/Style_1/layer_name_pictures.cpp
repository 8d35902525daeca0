// The layer-name labels: a plate in the button face's colours with the
// accent tab of the kind, the layer's name in the caption type, and a
// tag on the right saying what the panel adjusts.
#include "styles/Style_1/layer_name_pictures.h"

#include <string>

#include "styles/Style_1/control_pictures.h"

namespace {

constexpr int kWidth = 200, kHeight = 20;

PictureDrawing LayerNameLabel(const std::string& name) {
  return [name](int scale) {
    // Pure black would be see-through: the label brings its own plate.
    Canvas label(kWidth, kHeight, theme::kPanelBottom, scale);
    label.RoundRect(0.5, 0.5, kWidth - 0.5, kHeight - 0.5, 5, theme::kEdge, theme::kEdge);
    label.RoundRect(1.5, 1.5, kWidth - 1.5, kHeight - 1.5, 4, theme::kSurfaceTop, theme::kSurfaceBottom);
    label.RoundRect(5, 5, 9, kHeight - 5, 2, theme::kAccent, theme::kAccentDark);
    double size = FittingSize(name, theme::kCaptionSize + 0.5, kWidth - 60, Weight::kBold);
    TextMetrics metrics = MeasureText(name, size, Weight::kBold);
    label.Text(name, 15, (kHeight + metrics.capHeight) / 2, size, theme::kBrightInk, Weight::kBold);
    const std::string tag = "Layer";
    TextMetrics tagMetrics = MeasureText(tag, theme::kCaptionSize);
    label.Text(tag, kWidth - 8 - tagMetrics.width, (kHeight + tagMetrics.capHeight) / 2, theme::kCaptionSize,
               theme::kInk);
    return label;
  };
}

}  // namespace

void AddLayerNames(CZipResourceWriter& style) {
  // Frame k + 1 names item kind k.
  const char* kinds[] = {"Hairstyle", "Glasses", "Moustache",   "Custom",    "Eyebrow",
                         "Nose",      "Breast",  "Accessories", "Head-dress"};
  for (int kind = 0; kind < 9; ++kind)
    AddPicture(style, "LAYERNAME_BASE_D" + std::to_string(kind + 1), LayerNameLabel(kinds[kind]));
  AddPicture(style, "LAYERNAME_CUSTOM_D1", LayerNameLabel("My items"));
  AddPicture(style, "LAYERNAME_IMAGE_D1", LayerNameLabel("Photo"));
  AddPicture(style, "LAYERNAME_MAKEUP_D1", LayerNameLabel("Make-up"));
}
