// A resource module read from a zip archive: how a style (".kvstyle") is
// stored on disk. The archive's entries are unpacked into memory once, when
// it is opened, so that lookups hand out spans that live as long as the
// module. docs/STYLES.md gives the layout of the entries.
//
// Opening refuses what is not a zip, what lacks the format entry, and what
// would unpack to more than the limits allow (a zip bomb). A single entry
// that is too large, fails its checksum or cannot be inflated is left out,
// so that only its own lookup fails.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/resource_module.h"

struct ZipStyleLimits {
  std::uint64_t maxEntries = 20000;
  std::uint64_t maxEntryBytes = 32ull << 20;   // one unpacked entry
  std::uint64_t maxTotalBytes = 256ull << 20;  // the whole unpacked archive
};

// The first entry every style holds, and the text it starts with.
inline constexpr const char* kStyleFormatEntry = "kvstyle";
inline constexpr const char* kStyleFormatText = "kvstyle 1";

class CZipResourceModule : public CResourceModule {
 public:
  // The module, or null with a one-line reason when the file is missing, is
  // not a zip archive or is not a style within the limits.
  static std::unique_ptr<CZipResourceModule> Open(const std::string& path, std::string* reason = nullptr);
  static std::unique_ptr<CZipResourceModule> Open(const std::string& path, std::string* reason,
                                                  const ZipStyleLimits& limits);
  // The same from archive bytes held by the caller (only read during the call).
  static std::unique_ptr<CZipResourceModule> OpenMemory(std::span<const unsigned char> archive,
                                                        std::string* reason = nullptr,
                                                        const ZipStyleLimits& limits = {});

  std::optional<std::span<const unsigned char>> FindResource(const char* name, const char* type) const override;
  std::optional<std::string> LoadString(unsigned id) const override;

 private:
  CZipResourceModule() = default;
  friend class ZipStyleReader;
  void AddEntry(std::string_view entryName, std::vector<unsigned char> bytes);

  CMemoryResourceModule m_contents;
};
