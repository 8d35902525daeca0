#include "app/shell/profiles/makeup_swatch.h"

#include <cstring>

bool LoadSwatchTemplate(const std::string& type, HINSTANCE style, CDibAlpha* swatch) {
  if (!swatch || type.empty()) return false;
  return swatch->LoadFromResource((type + "_IMAGE").c_str(), nullptr, style) &&
         swatch->LoadAlphaFromResource((type + "_MASK").c_str(), "pcximage", style);
}

std::unique_ptr<CDib> CreateMakeupSwatch(const CDibAlpha& swatch, COLORREF colour) {
  if (swatch.IsEmpty() || !swatch.HasAlpha()) return nullptr;
  CDibAlpha tinted(swatch);
  const int width = tinted.Width(), height = tinted.Height();
  // The mask is the plane as loaded; the fill rewrites the plane, so it
  // steers from a copy.
  std::vector<unsigned char> mask(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  unsigned char* plane = tinted.LockAlpha();
  if (!plane) return nullptr;
  std::memcpy(mask.data(), plane, mask.size());
  tinted.UnlockAlpha();
  if (!tinted.Region_Fill(colour, nullptr, kSwatchFillStrength, mask.data(), width, height, CPoint(0, 0))) return nullptr;
  CDibAlpha background(swatch);
  return std::unique_ptr<CDib>(tinted.DrawToDib(&background, CPoint(0, 0), nullptr));
}

std::vector<MakeupSwatch> CreateMakeupSwatches(const MakeupPaletteItem& item, HINSTANCE style) {
  std::vector<MakeupSwatch> swatches;
  if (item.colours.empty()) return swatches;
  CDibAlpha swatch;
  if (!LoadSwatchTemplate(item.type, style, &swatch)) return swatches;
  for (const ProfileColour& colour : item.colours) {
    std::unique_ptr<CDib> picture = CreateMakeupSwatch(swatch, colour.colour);
    if (picture) swatches.push_back({std::move(picture), colour.name, colour.colour});
  }
  return swatches;
}
