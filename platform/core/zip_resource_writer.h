// Writes a resource module as a zip archive in the layout that
// CZipResourceModule reads (docs/STYLES.md). Used by the style generator and
// by tests that need style files.
#pragma once

#include <string>
#include <vector>

class CZipResourceWriter {
 public:
  // `name` and `type` as for FindResource (MakeIntResource for numbers);
  // `extension` (".bmp", ".jpg", ...) only helps people who unpack the file.
  void AddResource(const char* name, const char* type, std::vector<unsigned char> bytes,
                   const std::string& extension = "");
  void AddString(unsigned id, std::string text);
  // Any entry at all, for tests and extras such as a read-me.
  void AddEntry(std::string entryName, std::vector<unsigned char> bytes);

  // Writes the archive, the format entry first. False with a one-line reason
  // when the file cannot be written.
  bool Save(const std::string& path, std::string* reason = nullptr) const;

 private:
  struct Entry {
    std::string name;
    std::vector<unsigned char> bytes;
  };
  std::vector<Entry> m_entries;
};
