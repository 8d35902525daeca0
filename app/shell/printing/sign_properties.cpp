#include "app/shell/printing/sign_properties.h"

#include <cmath>
#include <filesystem>
#include <limits>

#include "platform/core/file_system.h"

namespace {

int ByteOr(int value, int fallback) { return value >= 0 && value <= 255 ? value : fallback; }

}  // namespace

SignProperties ReadSignProperties(const CIniProfile& profile) {
  SignProperties sign;
  sign.sign = profile.GetString(kSignSection, "Sign", "");
  sign.fontName = profile.GetString(kSignSection, "FontName", "");
  const int size = profile.GetInt(kSignSection, "Size", sign.size);
  if (size > 0 && size <= 1638) sign.size = size;
  sign.pitchAndFamily = ByteOr(profile.GetInt(kSignSection, "PitchAndFamily", 0), 0);
  sign.script = profile.GetString(kSignSection, "Script", "");
  sign.charSet = ByteOr(profile.GetInt(kSignSection, "CharSet", 0), 0);
  sign.flags = profile.GetInt(kSignSection, "Flags", 0);
  sign.bold = profile.GetInt(kSignSection, "Bold", 0) != 0;
  sign.italic = profile.GetInt(kSignSection, "Italic", 0) != 0;
  sign.underline = profile.GetInt(kSignSection, "Underline", 0) != 0;
  return sign;
}

void WriteSignProperties(CIniProfile& profile, const SignProperties& sign) {
  profile.WriteString(kSignSection, "Sign", sign.sign);
  profile.WriteString(kSignSection, "FontName", sign.fontName);
  profile.WriteInt(kSignSection, "Size", sign.size);
  profile.WriteInt(kSignSection, "PitchAndFamily", sign.pitchAndFamily);
  profile.WriteString(kSignSection, "Script", sign.script);
  profile.WriteInt(kSignSection, "CharSet", sign.charSet);
  profile.WriteInt(kSignSection, "Flags", sign.flags);
  profile.WriteInt(kSignSection, "Bold", sign.bold ? 1 : 0);
  profile.WriteInt(kSignSection, "Italic", sign.italic ? 1 : 0);
  profile.WriteInt(kSignSection, "Underline", sign.underline ? 1 : 0);
}

SignProperties LoadSignProperties(const std::string& profilePath) {
  CIniProfile profile;
  profile.Load(profilePath);
  return ReadSignProperties(profile);
}

bool SaveSignProperties(const std::string& profilePath, const SignProperties& sign) {
  CIniProfile profile;
  if (!profile.Load(profilePath)) return false;
  WriteSignProperties(profile, sign);
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(profilePath).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  return profile.Save(profilePath);
}

int SignFontHeight(int size, int resolution, double zoom) {
  if (!(zoom > 0)) return 0;
  const double scaled = static_cast<double>(size) * 10.0 * resolution / zoom;
  if (!(std::fabs(scaled) < std::numeric_limits<int>::max())) return 0;
  return static_cast<int>(scaled) / 720;
}
