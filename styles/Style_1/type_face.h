// The style's type: DejaVu Sans from Debian's fonts-dejavu-core, rendered
// with FreeType into antialiased coverage. Captions, panel headings and the
// splash all go through here so the style speaks in one voice.
#pragma once

#include <string>

enum class Weight { kRegular, kBold };

struct TextMetrics {
  int width = 0;      // advance of the whole string, in pixels
  int capHeight = 0;  // height of a capital above the baseline
  int descent = 0;    // depth of a descender below the baseline
};

// Measures `text` (UTF-8) at `size` pixels per em. All zero when the font
// cannot be opened.
TextMetrics MeasureText(const std::string& text, double size, Weight weight = Weight::kRegular);

// Calls `plot(x, y, coverage)` for every pixel the text covers, with the
// baseline's left end at (x, baseline). Returns false when the font cannot
// be opened (the reason is printed once).
template <typename Plot>
bool RenderText(const std::string& text, double size, Weight weight, int x, int baseline, Plot plot);

// The size, no larger than `size`, at which `text` fits in `width` pixels.
double FittingSize(const std::string& text, double size, int width, Weight weight = Weight::kRegular);

namespace type_face_detail {
using PlotFunction = void (*)(void* context, int x, int y, double coverage);
bool Render(const std::string& text, double size, Weight weight, int x, int baseline, PlotFunction plot,
            void* context);
}  // namespace type_face_detail

template <typename Plot>
bool RenderText(const std::string& text, double size, Weight weight, int x, int baseline, Plot plot) {
  return type_face_detail::Render(
      text, size, weight, x, baseline,
      [](void* context, int px, int py, double coverage) { (*static_cast<Plot*>(context))(px, py, coverage); },
      &plot);
}
