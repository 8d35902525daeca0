// What the adjustment sliders show for the current layer: brightness,
// contrast and hue as the layer has them, the filter strength, and the
// opacity slider as 100 less the layer's image opacity value. Without a
// layer: 50, 50, 50, 95 and 0.
#pragma once

#include "app/document/layer.h"

struct LayerSliderValues {
  int brightness = 50;
  int contrast = 50;
  int hue = 50;
  int filter = 95;
  int opacity = 0;
  bool operator==(const LayerSliderValues&) const = default;
};

inline LayerSliderValues SliderValuesFor(const CLayer* layer) {
  if (!layer) return {};
  return {layer->GetBrightness(), layer->GetContrast(), layer->GetHue(), layer->GetFilterStrength(),
          100 - layer->GetImageOpacity()};
}

// The tools-pressure slider after an item is picked.
inline constexpr int kPressureAfterPick = 50;
