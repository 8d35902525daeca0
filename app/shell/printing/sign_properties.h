// The sign: the one-line caption under the printed pictures, with its font.
// Kept in section "Sign Properties" of the settings profile; read when the
// sign dialog opens and when the preview paints, written when the dialog
// closes with OK, keys in the order Sign, FontName, Size, PitchAndFamily,
// Script, CharSet, Flags, Bold, Italic, Underline.
#pragma once

#include <string>

#include "platform/core/ini_profile.h"

inline constexpr const char* kSignSection = "Sign Properties";

struct SignProperties {
  std::string sign;  // empty: no sign
  std::string fontName;
  int size = 10;  // points
  int pitchAndFamily = 0;
  std::string script;
  int charSet = 0;
  int flags = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const SignProperties&) const = default;
};

// Values out of their ranges (character set and pitch 0..255, a size that
// is not positive) fall back to their defaults.
SignProperties ReadSignProperties(const CIniProfile& profile);
void WriteSignProperties(CIniProfile& profile, const SignProperties& sign);

// The same on the profile file: a missing file reads as the defaults. A
// save keeps the rest of the profile, and leaves a profile that cannot be
// read alone (false).
SignProperties LoadSignProperties(const std::string& profilePath);
bool SaveSignProperties(const std::string& profilePath, const SignProperties& sign);

// The sign's font height in device pixels: Size x 10 x R divided by the
// zoom Z and truncated, then divided by 720 (integer division). R is the
// paper's resolution in dots per inch. 0 for a zoom that is not positive.
int SignFontHeight(int size, int resolution, double zoom);
