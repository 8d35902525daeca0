#include "app/view/slider_application.h"

#include "app/document/item_kinds.h"

void ApplySliders(CLayer& layer, bool itemLayer, int kind, const CSliderPositions& sliders,
                  const FilterColourLookup& profile) {
  layer.SetImageOpacity(100 - sliders.opacity);
  layer.SetBrightness(sliders.brightness);
  layer.SetContrast(sliders.contrast);
  layer.SetHue(sliders.hue);
  if (!itemLayer) return;
  if (kind == kKindNose || kind == kKindBreast) {
    if (layer.IsFilterOn()) layer.SetFilter(layer.GetFilterColour(), layer.GetFilterStrength(), layer.GetFilterNumber());
    return;
  }
  ApplyFilterChoice(layer, sliders, profile);
}

void ApplyFilterChoice(CLayer& layer, const CSliderPositions& sliders, const FilterColourLookup& profile) {
  if (sliders.filterNumber == kCustomFilterNumber) {
    layer.SetFilter(sliders.customFilterColour, sliders.filterStrength, kCustomFilterNumber);
  } else if (sliders.filterNumber >= 0 && sliders.filterNumber <= 10) {
    const std::optional<COLORREF> colour = profile ? profile(sliders.filterNumber) : std::nullopt;
    if (colour) layer.SetFilter(*colour, sliders.filterStrength, sliders.filterNumber);
  } else if (layer.IsFilterOn() || layer.GetFilterNumber() != kNoFilter) {
    // The tint lives in the colour table; only rebuilding it from the
    // other adjustments takes it away.
    layer.StoreAdjustments(layer.GetBrightness(), layer.GetContrast(), layer.GetHue(), layer.GetImageOpacity(),
                           false, layer.GetFilterStrength(), layer.GetFilterColour(), kNoFilter);
    layer.ApplyAdjustments();
  }
}
