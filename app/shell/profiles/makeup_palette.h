// Make-up palettes (*.kvm): the colours the brush and spray paint on the
// make-up layer, grouped into items (a lipstick, a powder, ...) of one
// make-up type each. A palette is an INI text:
//
//   [Makeup]  Description, Count, Item1..ItemCount (each names a section)
//   [<item>]  Type, Count, Color1..ColorCount ("Name: r, g, b")
//
// The whole palette is read at once; invalid colours are dropped, since
// they could only give an empty swatch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/shell/profiles/colour_value.h"
#include "platform/core/ini_profile.h"

inline constexpr char kMakeupPaletteExtension[] = ".kvm";
inline constexpr char kMakeupSubfolder[] = "Make up/";

// The six make-up types; each names its swatch resources in the style.
inline constexpr const char* kMakeupTypes[] = {"MAKEUP_LIPSTICK", "MAKEUP_LIPPENCIL", "MAKEUP_EYEPENCIL",
                                               "MAKEUP_POWDER",   "MAKEUP_ROUGE",     "MAKEUP_SHADES"};

// Far beyond any real palette; they only bound the work a damaged "Count"
// can ask for.
inline constexpr int kMaxPaletteItems = 1000;
inline constexpr int kMaxPaletteItemColours = 1000;

struct MakeupPaletteItem {
  std::string name;  // its section and its display name
  std::string type;  // "MAKEUP_LIPSTICK" ...; not checked, an unknown type just has no swatches
  std::vector<ProfileColour> colours;  // the valid ones, in file order
};

struct MakeupPalette {
  std::string description;
  std::vector<MakeupPaletteItem> items;
};

// The display name a profile file goes by: its description, or its file
// name without the last 4 characters (the extension).
std::string ProfileDisplayName(const std::string& description, const std::string& path);

// `fileName` only supplies the name when "Description" is empty.
MakeupPalette ReadMakeupPalette(const CIniProfile& profile, const std::string& fileName);
// Nothing when the file is missing or cannot be read.
std::optional<MakeupPalette> LoadMakeupPalette(const std::string& path);
