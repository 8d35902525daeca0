// Reading a style archive with libzip. Every entry's declared size is checked
// against the limits before anything is unpacked, and no entry is read past
// its declared size, so the memory taken is bounded by the limits whatever
// the archive claims or holds.
#include "platform/core/zip_resource_module.h"

#include <zip.h>

#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

namespace {

void SetReason(std::string* reason, std::string text) {
  if (reason) *reason = std::move(text);
}

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

// The whole entry, or nothing when it cannot be inflated, fails its checksum
// or holds more or fewer bytes than its directory entry says.
std::optional<std::vector<unsigned char>> ReadEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t size) {
  zip_file_t* file = zip_fopen_index(archive, index, 0);
  if (!file) return std::nullopt;
  std::vector<unsigned char> bytes(size);
  zip_uint64_t done = 0;
  bool ok = true;
  while (done < size) {
    zip_int64_t got = zip_fread(file, bytes.data() + done, size - done);
    if (got <= 0) {
      ok = false;
      break;
    }
    done += static_cast<zip_uint64_t>(got);
  }
  unsigned char extra;
  if (ok && zip_fread(file, &extra, 1) != 0) ok = false;  // more than declared, or a bad checksum
  if (zip_fclose(file) != 0) ok = false;
  if (!ok) return std::nullopt;
  return bytes;
}

// "strings/<id>" with an optional extension; ids are 0 to 65535.
std::optional<unsigned> StringIdOf(std::string_view file) {
  std::string_view digits = file.substr(0, file.find('.'));
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  unsigned id = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    id = id * 10 + static_cast<unsigned>(c - '0');
  }
  if (id > 0xFFFF) return std::nullopt;
  return id;
}

}  // namespace

class ZipStyleReader {
 public:
  static std::unique_ptr<CZipResourceModule> Read(zip_t* archive, std::string* reason,
                                                  const ZipStyleLimits& limits) {
    zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > limits.maxEntries) {
      SetReason(reason, "too many entries");
      return nullptr;
    }
    std::uint64_t total = 0;
    std::vector<zip_stat_t> stats(static_cast<std::size_t>(count));
    for (zip_int64_t i = 0; i < count; ++i) {
      zip_stat_t& stat = stats[static_cast<std::size_t>(i)];
      zip_stat_init(&stat);
      if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
          !(stat.valid & ZIP_STAT_SIZE)) {
        SetReason(reason, "damaged directory");
        return nullptr;
      }
      // Oversized entries are skipped below and do not count.
      if (stat.size <= limits.maxEntryBytes) total += stat.size;
    }
    if (total > limits.maxTotalBytes) {
      SetReason(reason, "unpacks to more than " + std::to_string(limits.maxTotalBytes >> 20) + " MiB");
      return nullptr;
    }

    std::unique_ptr<CZipResourceModule> module(new CZipResourceModule);
    bool formatSeen = false;
    for (zip_int64_t i = 0; i < count; ++i) {
      const zip_stat_t& stat = stats[static_cast<std::size_t>(i)];
      std::string_view entryName = stat.name;
      if (entryName.empty() || entryName.back() == '/' || stat.size > limits.maxEntryBytes) continue;
      auto bytes = ReadEntry(archive, static_cast<zip_uint64_t>(i), stat.size);
      if (!bytes) continue;
      if (entryName == kStyleFormatEntry) {
        std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
        formatSeen = text.substr(0, std::strlen(kStyleFormatText)) == kStyleFormatText;
        continue;
      }
      module->AddEntry(entryName, std::move(*bytes));
    }
    if (!formatSeen) {
      SetReason(reason, "not a Kelvora style (no \"" + std::string(kStyleFormatEntry) + "\" entry)");
      return nullptr;
    }
    return module;
  }
};

// Adds an entry under the layout's rules; anything outside the layout is
// ignored, so a style may carry notes or sources of its own. When two
// entries give the same resource, the first one counts.
void CZipResourceModule::AddEntry(std::string_view entryName, std::vector<unsigned char> bytes) {
  constexpr std::string_view kResources = "resources/", kStrings = "strings/";
  if (entryName.starts_with(kStrings)) {
    std::string_view file = entryName.substr(kStrings.size());
    if (file.find('/') != std::string_view::npos) return;
    auto id = StringIdOf(file);
    if (!id || m_contents.LoadString(*id)) return;
    m_contents.AddString(*id, std::string(bytes.begin(), bytes.end()));
    return;
  }
  if (!entryName.starts_with(kResources)) return;
  std::string_view rest = entryName.substr(kResources.size());
  std::size_t slash = rest.find('/');
  if (slash == 0 || slash == std::string_view::npos) return;
  std::string type(rest.substr(0, slash));
  std::string_view file = rest.substr(slash + 1);
  if (file.find('/') != std::string_view::npos) return;
  std::size_t dot = file.rfind('.');
  std::string name(dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot));
  if (name.empty() || m_contents.FindResource(name.c_str(), type.c_str())) return;
  m_contents.AddResource(name.c_str(), type.c_str(), std::move(bytes));
}

std::unique_ptr<CZipResourceModule> CZipResourceModule::Open(const std::string& path, std::string* reason) {
  return Open(path, reason, ZipStyleLimits{});
}

std::unique_ptr<CZipResourceModule> CZipResourceModule::Open(const std::string& path, std::string* reason,
                                                             const ZipStyleLimits& limits) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    SetReason(reason, path + ": no such file");
    return nullptr;
  }
  int code = 0;
  Archive archive(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
  if (!archive) {
    SetReason(reason, path + ": " + ZipErrorText(code));
    return nullptr;
  }
  std::string why;
  auto module = ZipStyleReader::Read(archive.get(), &why, limits);
  if (!module) SetReason(reason, path + ": " + why);
  return module;
}

std::unique_ptr<CZipResourceModule> CZipResourceModule::OpenMemory(std::span<const unsigned char> bytes,
                                                                   std::string* reason,
                                                                   const ZipStyleLimits& limits) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (!source) {
    SetReason(reason, zip_error_strerror(&error));
    zip_error_fini(&error);
    return nullptr;
  }
  Archive archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!archive) {
    zip_source_free(source);
    SetReason(reason, zip_error_strerror(&error));
    zip_error_fini(&error);
    return nullptr;
  }
  zip_error_fini(&error);
  return ZipStyleReader::Read(archive.get(), reason, limits);
}

std::optional<std::span<const unsigned char>> CZipResourceModule::FindResource(const char* name,
                                                                               const char* type) const {
  return m_contents.FindResource(name, type);
}

std::optional<std::string> CZipResourceModule::LoadString(unsigned id) const { return m_contents.LoadString(id); }
