#include "styles/Style_1/layer_name_pictures.h"

#include <string>

#include "styles/Style_1/control_pictures.h"
#include "styles/Style_1/pixel_font.h"

namespace {

constexpr int kWidth = 192, kHeight = 20;

Canvas LayerNameLabel(const std::string& name) {
  // Pure black would be see-through: the label brings its own plate.
  Canvas label(kWidth, kHeight, theme::kPanelBottom);
  label.RoundRect(0.5, 0.5, kWidth - 0.5, kHeight - 0.5, 5, theme::kSurfaceTop, theme::kSurfaceBottom);
  label.RoundRect(4, 5, 8, kHeight - 5, 2, theme::kAccent, theme::kAccentDark);
  label.Text(name, 14, (kHeight - kGlyphHeight) / 2, 1, theme::kInk);
  return label;
}

}  // namespace

void AddLayerNames(CZipResourceWriter& style) {
  // Frame k + 1 names item kind k.
  const char* kinds[] = {"HAIRSTYLE", "GLASSES",     "MOUSTACHE", "CUSTOM",    "EYEBROW",
                         "NOSE",      "BREAST",      "ACCESSORIES", "HEAD-DRESS"};
  for (int kind = 0; kind < 9; ++kind)
    AddPicture(style, "LAYERNAME_BASE_D" + std::to_string(kind + 1), LayerNameLabel(kinds[kind]));
  AddPicture(style, "LAYERNAME_CUSTOM_D1", LayerNameLabel("CUSTOM ITEMS"));
  AddPicture(style, "LAYERNAME_IMAGE_D1", LayerNameLabel("PHOTO"));
  AddPicture(style, "LAYERNAME_MAKEUP_D1", LayerNameLabel("MAKE-UP"));
}
