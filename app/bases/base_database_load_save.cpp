// Reading and writing the main file. Counts read from a file are held to the
// sizes of the arrays they describe (50 category entries, 30 rows of 30
// values, 10 x 250 name cells), and an item count the file cannot hold is
// refused before anything is allocated, so no file can make the loader read
// outside a buffer or ask for unbounded memory.
//
// The "-------" entry that heads each category list in memory (files of
// version 1.0 and later) is added at load and left out at save, so it never
// piles up; a file that already stores one as its first entry does not get a
// second.
#include <algorithm>
#include <cstring>

#include "app/bases/base_database.h"
#include "app/bases/fixed_text.h"
#include "platform/core/atomic_file.h"

namespace {

constexpr double kFirstVersionWithSeparator = 1.0;
constexpr double kFirstVersionWithTree = 3.0;

std::uint32_t AtMost(std::uint32_t value, int limit) { return std::min<std::uint32_t>(value, limit); }

}  // namespace

void CBaseDatabase::ResetLists(bool withTree) {
  m_categories.assign(kCategoryLevels, {});
  m_valueGroups.clear();
  m_nameTable = {};
  if (!withTree) return;
  m_valueGroups.assign(kValueGroups, {});
  m_nameTable.rowNames.assign(kNameTableRows, std::string());
  m_nameTable.cells.assign(kNameTableRows, {});
}

void CBaseDatabase::ReadListsFromFile(const BaseExtension& extension) {
  std::uint32_t columns = AtMost(extension.nameColumnCount, kNameTableColumns);
  for (auto& row : m_nameTable.cells) row.assign(columns, std::string());
  std::uint32_t rows = AtMost(extension.nameRowCount, kNameTableRows);
  for (std::uint32_t r = 0; r < rows; ++r) {
    m_nameTable.rowNames[r] = ReadFixedText(extension.rowNames[r]);
    for (std::uint32_t c = 0; c < columns; ++c) m_nameTable.cells[r][c] = ReadFixedText(extension.cells[r][c]);
  }
  for (int g = 0; g < kValueGroups; ++g) {
    const BaseValueGroup& stored = extension.groups[g];
    for (std::uint32_t r = 0; r < AtMost(stored.rowCount, kValueGroupRows); ++r) {
      std::uint32_t length = AtMost(stored.rowLengths[r], kValueGroupColumns);
      m_valueGroups[g].emplace_back(stored.rows[r], stored.rows[r] + length);
    }
  }
}

bool CBaseDatabase::Load() {
  if (!IsOpen()) return false;
  m_mainFile.SeekToBegin();
  if (m_mainFile.Read(&m_header, kBaseHeaderBytes) != kBaseHeaderBytes) return false;

  std::uint64_t length = m_mainFile.GetLength();
  if (m_header.itemCount > (length - kBaseHeaderBytes) / kBaseRecordBytes) return false;
  m_records.resize(m_header.itemCount);
  std::size_t recordBytes = kBaseRecordBytes * m_records.size();
  if (recordBytes && m_mainFile.Read(m_records.data(), recordBytes) != recordBytes) return false;

  bool withTree = GetVersion() >= kFirstVersionWithTree;
  auto extension = std::make_unique<BaseExtension>();
  std::memset(extension.get(), 0, sizeof(BaseExtension));
  if (withTree && m_mainFile.Read(extension.get(), kBaseExtensionBytes) != kBaseExtensionBytes) return false;

  ResetLists(withTree);
  if (withTree) ReadListsFromFile(*extension);
  bool separated = GetVersion() >= kFirstVersionWithSeparator;
  for (int level = 0; level < kCategoryLevels; ++level) {
    const BaseCategoryList& stored = m_header.categories[level];
    std::uint32_t count = AtMost(stored.count, kCategorySlots);
    std::vector<std::string>& list = m_categories[level];
    for (std::uint32_t i = 0; i < count; ++i) list.push_back(ReadFixedText(stored.entries[i]));
    if (separated && (list.empty() || list.front() != kCategorySeparator))
      list.insert(list.begin(), kCategorySeparator);
  }
  m_deleteCount = m_header.deleteCount;
  for (BaseItemRecord& record : m_records) {
    record.working = 0;
    if (record.projection > 3) record.projection = 0;
  }
  return true;
}

std::vector<unsigned char> CBaseDatabase::MainFileBytes(const std::vector<BaseItemRecord>& records,
                                                        std::uint32_t deleteCount) {
  BaseHeader header = m_header;
  header.deleteCount = deleteCount;
  header.itemCount = static_cast<std::uint32_t>(records.size());
  bool separated = GetVersion() >= kFirstVersionWithSeparator;
  for (int level = 0; level < kCategoryLevels; ++level) {
    BaseCategoryList& stored = header.categories[level];
    std::memset(&stored, 0, sizeof stored);
    if (level >= static_cast<int>(m_categories.size())) continue;
    const std::vector<std::string>& list = m_categories[level];
    std::size_t first = separated && !list.empty() && list.front() == kCategorySeparator ? 1 : 0;
    std::size_t count = std::min<std::size_t>(list.size() - first, kCategorySlots);
    stored.count = static_cast<std::uint32_t>(count);
    for (std::size_t i = 0; i < count; ++i) WriteFixedText(stored.entries[i], list[first + i]);
  }

  auto extension = std::make_unique<BaseExtension>();
  std::memset(extension.get(), 0, sizeof(BaseExtension));
  bool withTree = GetVersion() >= kFirstVersionWithTree;
  if (withTree) {
    std::size_t rows = std::min<std::size_t>(m_nameTable.rowNames.size(), kNameTableRows);
    extension->nameRowCount = static_cast<std::uint32_t>(rows);
    std::size_t columns = m_nameTable.cells.empty() ? 0 : std::min<std::size_t>(m_nameTable.cells[0].size(), kNameTableColumns);
    extension->nameColumnCount = static_cast<std::uint32_t>(columns);
    for (std::size_t r = 0; r < rows; ++r) {
      WriteFixedText(extension->rowNames[r], m_nameTable.rowNames[r]);
      if (r >= m_nameTable.cells.size()) continue;
      for (std::size_t c = 0; c < std::min(columns, m_nameTable.cells[r].size()); ++c)
        WriteFixedText(extension->cells[r][c], m_nameTable.cells[r][c]);
    }
    for (std::size_t g = 0; g < std::min<std::size_t>(m_valueGroups.size(), kValueGroups); ++g) {
      BaseValueGroup& stored = extension->groups[g];
      std::size_t groupRows = std::min<std::size_t>(m_valueGroups[g].size(), kValueGroupRows);
      stored.rowCount = static_cast<std::uint32_t>(groupRows);
      for (std::size_t r = 0; r < groupRows; ++r) {
        const std::vector<std::uint32_t>& row = m_valueGroups[g][r];
        std::size_t values = std::min<std::size_t>(row.size(), kValueGroupColumns);
        stored.rowLengths[r] = static_cast<std::uint32_t>(values);
        std::copy_n(row.begin(), values, stored.rows[r]);
      }
    }
  }

  std::vector<unsigned char> bytes(reinterpret_cast<const unsigned char*>(&header),
                                   reinterpret_cast<const unsigned char*>(&header) + kBaseHeaderBytes);
  // An empty database of a version with a category tree still keeps its
  // extension: without it the tree would be lost at the next load.
  if (!records.empty() || withTree) {
    const auto* recordBytes = reinterpret_cast<const unsigned char*>(records.data());
    bytes.insert(bytes.end(), recordBytes, recordBytes + kBaseRecordBytes * records.size());
    const auto* extensionBytes = reinterpret_cast<const unsigned char*>(extension.get());
    bytes.insert(bytes.end(), extensionBytes, extensionBytes + kBaseExtensionBytes);
  }
  return bytes;
}

bool CBaseDatabase::ReplaceMainFile(const std::vector<unsigned char>& bytes) {
  try {
    // Whatever the new records point to must be on disk before they are.
    m_imageStore.Flush();
    m_thumbnailStore.Flush();
  } catch (const CFileException&) {
    return false;
  }
  bool replaced = WriteFileAtomically(m_path, [&](const std::string& temporaryPath) {
    CFile file;
    if (!file.Open(temporaryPath, CFile::modeCreate | CFile::modeWrite)) return false;
    file.Write(bytes.data(), bytes.size());
    file.Flush();
    return true;
  });
  // The handle still points at the replaced file; reopen the current one.
  if (!m_mainFile.Open(m_path, CFile::modeReadWrite)) return false;
  return replaced;
}

bool CBaseDatabase::Save() {
  if (!IsOpen() || m_readOnly) return false;
  std::vector<unsigned char> bytes = MainFileBytes(m_records, m_deleteCount);
  try {
    if (!ReplaceMainFile(bytes)) return false;
  } catch (const CFileException&) {
    m_mainFile.Open(m_path, CFile::modeReadWrite);
    return false;
  }
  std::memcpy(&m_header, bytes.data(), kBaseHeaderBytes);
  return true;
}
