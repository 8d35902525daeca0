#include "controls/slider_track.h"

#include <algorithm>

namespace {

constexpr int kSnapDistance = 3;

}  // namespace

void CSliderTrack::Layout(int length, int thumbExtent) {
  SetTrack(thumbExtent / 2, length - thumbExtent / 2);
}

void CSliderTrack::SetTrack(int start, int end) {
  // A thumb longer than the slider leaves a track of one point, not a
  // reversed one.
  m_start = start;
  m_end = std::max(start, end);
}

int CSliderTrack::ClampValue(int value) { return std::clamp(value, 0, 100); }

int CSliderTrack::ThumbForValue(int value) const {
  return m_start + (m_end - m_start) * (100 - ClampValue(value)) / 100;
}

CSliderTrack::Placement CSliderTrack::PlaceAt(int position) const {
  int p = std::clamp(position, m_start, m_end);
  int middle = Middle();
  // A track of no length always lands here, so the division below never
  // sees a zero denominator.
  if (p >= middle - kSnapDistance && p <= middle + kSnapDistance) return {middle, 50};
  double fraction = static_cast<double>(p - m_start) / (m_end - m_start);
  return {p, 100 - static_cast<int>(fraction * 100)};
}
