// The adjustment sliders reach the layer after a pause: the view polls every
// 100 ms (timer 10) and writes the sliders once 400 ms have passed since the
// last movement, so dragging a slider does not recompose at every step.
#pragma once

#include <functional>
#include <optional>

#include "app/document/layer.h"

inline constexpr unsigned kAdjustmentTimerId = 10;
inline constexpr int kAdjustmentTimerPeriodMs = 100;
inline constexpr long long kAdjustmentPauseMs = 400;

class CSliderPause {
 public:
  void OnSliderMoved(long long nowMs) {
    m_changed = true;
    m_lastMoveMs = nowMs;
  }
  // True once per pause: the flag is cleared when it answers true.
  bool TakeDue(long long nowMs) {
    if (!m_changed || nowMs - m_lastMoveMs <= kAdjustmentPauseMs) return false;
    m_changed = false;
    return true;
  }
  bool Pending() const { return m_changed; }

 private:
  bool m_changed = false;
  long long m_lastMoveMs = 0;
};

struct CSliderPositions {
  int opacity = 0;  // the layer's image opacity is 100 minus this
  int brightness = 50;
  int contrast = 50;
  int hue = 50;
  int filterStrength = 95;
  int filterNumber = -1;  // -1 none, 0..10 the profile's, 11 the custom filter
  COLORREF customFilterColour = 0;
};

// The colour of filter 0..10 of the current profile; none until a profile
// is loaded.
using FilterColourLookup = std::function<std::optional<COLORREF>(int number)>;

// A filter button's choice on an item layer, at once: filter 0..10 takes
// its colour from the profile (nothing when that button has none), 11 the
// custom colour, both at the filter slider's strength; none switches the
// filter off and rebuilds the colour table without its tint.
void ApplyFilterChoice(CLayer& layer, const CSliderPositions& sliders, const FilterColourLookup& profile);

// Writes the sliders into `layer`. For an item layer the filter follows too:
// noses and breasts keep their own filter; others take the chosen one.
void ApplySliders(CLayer& layer, bool itemLayer, int kind, const CSliderPositions& sliders,
                  const FilterColourLookup& profile);
