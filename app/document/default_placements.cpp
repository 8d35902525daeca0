#include "app/document/default_placements.h"

#include <cstring>
#include <string>

#include "controls/skin_text.h"

namespace {

constexpr const char* kProjectionNames[kProjectionCount] = {"FACE_FRONT", "FACE_HALF", "FACE_SIDE", "FACE_REAR",
                                                            "BODY_FRONT"};

CRect LoadPlacement(HINSTANCE style, const std::string& name) {
  if (!style) return {};
  auto bytes = style->FindResource(name.c_str(), "wndrect");
  if (!bytes || bytes->empty()) return {};
  std::string text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  text.resize(std::strlen(text.c_str()));  // a zero inside ends the text
  auto numbers = ParseNumberFields(text, 4);
  if (!numbers) return {};
  return {(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
}

COLORREF LoadColour(HINSTANCE style, unsigned stringId, COLORREF fallback) {
  if (!style) return fallback;
  auto text = style->LoadString(stringId);
  if (!text) return fallback;
  return ParseColorString(*text).value_or(fallback);
}

}  // namespace

DefaultPlacementTable LoadDefaultPlacements(HINSTANCE style) {
  DefaultPlacementTable table;
  for (int i = 0; i < kProjectionCount; ++i) {
    const std::string prefix = std::string("IDR_") + kProjectionNames[i] + "_";
    const CRect face = LoadPlacement(style, prefix + "FACE");
    table[i].face = {static_cast<double>(face.left), static_cast<double>(face.top),
                     static_cast<double>(face.right), static_cast<double>(face.bottom)};
    table[i].eyes = LoadPlacement(style, prefix + "EYES");
    table[i].lips = LoadPlacement(style, prefix + "LIPS");
    table[i].underarm = LoadPlacement(style, prefix + "BREAST");
  }
  return table;
}

std::array<ContourColours, 3> LoadContourColours(HINSTANCE style) {
  return {{{LoadColour(style, 63566, 0x00FF00), LoadColour(style, 63567, 0)},
           {LoadColour(style, 63568, 0x0000FF), LoadColour(style, 63569, 0)},
           {LoadColour(style, 63570, 0xFF0000), LoadColour(style, 63571, 0)}}};
}

std::array<ContourColours, 2> LoadSelectionColours(HINSTANCE style) {
  return {{{LoadColour(style, 63562, 255), LoadColour(style, 63563, 0)},
           {LoadColour(style, 63564, 255), LoadColour(style, 63565, 0)}}};
}
