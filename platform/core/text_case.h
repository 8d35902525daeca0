// Case-blind text for names the user types or files carry (item names,
// categories, face shapes, file extensions): ASCII only, as the stored
// bases and the file names are.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

inline std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}
