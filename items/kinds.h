// The collections, one function per kind. Each draws its items on the
// sample portrait's geometry (items/portrait.h) with fixed seeds, so every
// build makes the same pictures.
#pragma once

#include <vector>

#include "items/collection.h"

std::vector<GeneratedItem> MakeHairstyles();
std::vector<GeneratedItem> MakeGlasses();
std::vector<GeneratedItem> MakeMoustaches();
std::vector<GeneratedItem> MakeEyebrows();
std::vector<GeneratedItem> MakeNoses();
std::vector<GeneratedItem> MakeBreasts();
std::vector<GeneratedItem> MakeAccessories();
std::vector<GeneratedItem> MakeHeadDresses();
std::vector<GeneratedItem> MakeFaceTypes();

// Natural hair colours shared by hairstyles, eyebrows and beards.
struct HairColour {
  const char* name;
  Colour colour;
};
inline constexpr HairColour kBlack{"Black", {34, 27, 24}};
inline constexpr HairColour kDarkBrown{"Dark brown", {62, 40, 27}};
inline constexpr HairColour kBrown{"Brown", {100, 66, 40}};
inline constexpr HairColour kLightBrown{"Light brown", {142, 102, 64}};
inline constexpr HairColour kAuburn{"Auburn", {132, 56, 30}};
inline constexpr HairColour kBlonde{"Blonde", {196, 160, 102}};
inline constexpr HairColour kPlatinum{"Platinum", {222, 210, 180}};
inline constexpr HairColour kGrey{"Grey", {150, 147, 143}};
inline constexpr HairColour kRed{"Ginger", {168, 80, 38}};
