// Per-column and per-row tables of the box reduction and the linear widening,
// shared by the colour resampling and the layer plane resampling so that the
// plane follows the colour pixel for pixel.
#pragma once

#include <algorithm>
#include <vector>

namespace pixkit {

// First index and count of the input range that output index i averages.
struct BoxSpan {
  int first;
  int count;
};

inline std::vector<BoxSpan> BoxSpans(int inputSize, int outputSize) {
  double step = static_cast<double>(inputSize) / outputSize;
  std::vector<BoxSpan> spans(static_cast<std::size_t>(outputSize));
  for (int i = 0; i < outputSize; ++i) {
    int first = std::min(static_cast<int>(step * i), inputSize - 1);
    int end = std::min(static_cast<int>(step * (i + 1)), inputSize);
    spans[static_cast<std::size_t>(i)] = {first, std::max(end - first, 1)};
  }
  return spans;
}

// Source indices and weight of output index i of a linear widening.
struct LinearTap {
  int near;
  int far;
  double frac;
};

inline std::vector<LinearTap> LinearTaps(int inputSize, int outputSize) {
  double step = outputSize > 1 ? static_cast<double>(inputSize - 1) / (outputSize - 1) : 0.0;
  std::vector<LinearTap> taps(static_cast<std::size_t>(outputSize));
  for (int i = 0; i < outputSize; ++i) {
    double position = step * i;
    int near = std::min(static_cast<int>(position), inputSize - 1);
    int far = i == outputSize - 1 ? near : std::min(near + 1, inputSize - 1);
    taps[static_cast<std::size_t>(i)] = {near, far, position - near};
  }
  return taps;
}

inline unsigned char Interpolate(int e, int f, double frac) {
  int value = static_cast<int>(e + (f - e) * frac);
  return static_cast<unsigned char>(std::clamp(value, 0, 255));
}

}  // namespace pixkit
