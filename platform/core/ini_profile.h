// INI profiles: the text files of sections and keys that hold the program's
// settings (and later its palettes and filter profiles). Sections and keys
// keep the order they were read or added in, so that writing a profile back
// leaves the parts nobody touched where the user put them. Names compare
// without regard to case, as profiles written by hand expect.
//
// Reading is tolerant: blank lines, comment lines (";" or "#"), CRLF line
// ends, blanks around names and values and a pair of double quotes around a
// value are all accepted; lines that are none of these are skipped. A file
// larger than kMaxIniProfileBytes is refused whole rather than read in part.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxIniProfileBytes = 4 * 1024 * 1024;

class CIniProfile {
 public:
  // Replaces the content with the profile in `text`.
  void Parse(std::string_view text);
  // Reads the file. A missing file gives an empty profile and true; false
  // when the file exists but cannot be read or is too large (the profile is
  // then empty).
  bool Load(const std::string& path);
  // The profile as text, "\n" line ends.
  std::string Format() const;
  // Writes the profile so that an interruption leaves either the old file
  // or the new one, never a mixture.
  bool Save(const std::string& path) const;

  std::optional<std::string> GetString(std::string_view section, std::string_view key) const;
  std::string GetString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A decimal integer, optionally signed, ahead of anything else in the
  // value. `fallback` when the key is missing, holds no number or one
  // outside the range of int.
  int GetInt(std::string_view section, std::string_view key, int fallback) const;

  // Sets the value, adding the section and key at the end when new. Line
  // breaks in the value are dropped: a value is one line.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInt(std::string_view section, std::string_view key, int value);

  bool HasSection(std::string_view section) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  const Section* FindSection(std::string_view name) const;
  Section& SectionFor(std::string_view name);

  std::vector<Section> m_sections;
};

// The integer at the start of `text` (blanks, an optional sign, decimal
// digits); nothing when there are no digits or the value overflows an int.
std::optional<int> ParseDecimalInt(std::string_view text);
