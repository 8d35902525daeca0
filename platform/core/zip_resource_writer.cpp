// Style archives are written with a fixed time stamp on every entry, so that
// the same sources always give the same file. JPEG pictures are stored as
// they are (deflating them gains nothing); everything else is deflated.
#include "platform/core/zip_resource_writer.h"

#include <zip.h>

#include "platform/core/resource_module.h"
#include "platform/core/zip_resource_module.h"

namespace {

// Numeric names and types are written "#<n>", as the reader expects them.
std::string EntryPart(const char* nameOrType) {
  if (IsIntResource(nameOrType)) return "#" + std::to_string(IntResourceId(nameOrType));
  return nameOrType;
}

constexpr time_t kEntryTime = 1704067200;  // 2024-01-01, any fixed time will do

}  // namespace

void CZipResourceWriter::AddResource(const char* name, const char* type, std::vector<unsigned char> bytes,
                                     const std::string& extension) {
  AddEntry("resources/" + EntryPart(type) + "/" + EntryPart(name) + extension, std::move(bytes));
}

void CZipResourceWriter::AddString(unsigned id, std::string text) {
  AddEntry("strings/" + std::to_string(id) + ".txt", std::vector<unsigned char>(text.begin(), text.end()));
}

void CZipResourceWriter::AddEntry(std::string entryName, std::vector<unsigned char> bytes) {
  m_entries.push_back({std::move(entryName), std::move(bytes)});
}

bool CZipResourceWriter::Save(const std::string& path, std::string* reason) const {
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  auto fail = [&](const std::string& why) {
    if (reason) *reason = path + ": " + why;
    if (archive) zip_discard(archive);
    return false;
  };
  if (!archive) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string why = zip_error_strerror(&error);
    zip_error_fini(&error);
    return fail(why);
  }
  static const std::string format = std::string(kStyleFormatText) + "\n";
  auto add = [&](const std::string& name, const void* data, std::size_t size) {
    zip_source_t* source = zip_source_buffer(archive, data, size, 0);
    if (!source) return false;
    zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
      zip_source_free(source);
      return false;
    }
    bool stored = name.ends_with(".jpg");
    return zip_set_file_compression(archive, index, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) == 0 &&
           zip_file_set_mtime(archive, index, kEntryTime, 0) == 0;
  };
  if (!add(kStyleFormatEntry, format.data(), format.size())) return fail(zip_strerror(archive));
  for (const Entry& entry : m_entries)
    if (!add(entry.name, entry.bytes.data(), entry.bytes.size()))
      return fail(entry.name + ": " + zip_strerror(archive));
  if (zip_close(archive) != 0) return fail(zip_strerror(archive));
  return true;
}
