// The swatches of a palette item: for each of its colours, the style's
// picture of the item's make-up type tinted with the colour where the type's
// mask lets paint through, as the make-up panel's list shows them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/shell/profiles/makeup_palette.h"
#include "imagelib/dib.h"
#include "imagelib/dib_alpha.h"

// How much of the colour covers the picture inside the mask.
inline constexpr double kSwatchFillStrength = 0.7;

struct MakeupSwatch {
  std::unique_ptr<CDib> picture;
  std::string caption;  // the colour's name
  COLORREF colour = 0;  // what picking the swatch hands to the colour selecter
};

// The picture "<type>_IMAGE" with its mask "<type>_MASK" (type "pcximage")
// from `style` as one image; false when either is missing or damaged.
bool LoadSwatchTemplate(const std::string& type, HINSTANCE style, CDibAlpha* swatch);
// `swatch` filled with `colour` through its mask and drawn over itself onto a
// plain raster; null when the template is empty.
std::unique_ptr<CDib> CreateMakeupSwatch(const CDibAlpha& swatch, COLORREF colour);
// One swatch per colour of the item; none when its type has no swatch
// resources in the style.
std::vector<MakeupSwatch> CreateMakeupSwatches(const MakeupPaletteItem& item, HINSTANCE style);
