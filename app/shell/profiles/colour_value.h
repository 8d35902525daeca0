// The colour values of palettes and filter profiles: "Name: red, green, blue"
// in a text a salon edits by hand. The name is optional; the three numbers
// are not. Names and hints are cut to the lengths the lists and tooltips were
// made for, so a runaway line cannot blow up a caption.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/device_context.h"

inline constexpr std::size_t kMaxColourNameLength = 199;
inline constexpr std::size_t kMaxFilterHintLength = 199;

struct ProfileColour {
  std::string name;
  COLORREF colour = 0;  // 0x00BBGGRR
};

// Parses one colour value; nothing when it does not give exactly three
// numbers, or a part is empty or holds a letter. Each number keeps its low
// 8 bits, so 256 reads as 0 and -1 as 255.
std::optional<ProfileColour> ParseColourValue(std::string_view text);

// `text` cut to at most `limit` bytes, never in the middle of a UTF-8
// character.
std::string CutToLength(std::string_view text, std::size_t limit);
