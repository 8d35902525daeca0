// Adding and deleting items, and the selection and name searches over the
// records. An added block is appended to the stores; if an append fails the
// stores are cut back to their old length, so a failed add leaves no trace.
#include <algorithm>
#include <cctype>
#include <limits>

#include "app/bases/base_database.h"
#include "app/bases/fixed_text.h"
#include "app/bases/item_record.h"
#include "platform/core/text_case.h"

namespace {

constexpr std::uint64_t kMaxStoreBytes = std::numeric_limits<std::uint32_t>::max();

bool MatchesCategories(const BaseItemRecord& record, const std::vector<std::string>& labels, bool emptyIsAny) {
  for (int level = 0; level < kCategoryLevels && level < static_cast<int>(labels.size()); ++level) {
    const std::string& label = labels[level];
    if (label == CBaseDatabase::kAnyCategory || (emptyIsAny && label.empty())) continue;
    if (!EqualsIgnoringCase(GetItemCategory(record, level), label)) return false;
  }
  return true;
}

}  // namespace

bool CBaseDatabase::AddItemBlock(const ItemImagePayload& payload, const std::vector<unsigned char>& thumbnail,
                                 BaseItemRecord record) {
  if (!IsOpen() || m_readOnly) return false;
  std::uint64_t imageLength = m_imageStore.GetLength();
  std::uint64_t thumbLength = m_thumbnailStore.GetLength();
  std::uint64_t blockSize = kItemImageHeaderBytes + payload.colour.size() + payload.alpha.size();
  // Offsets and sizes are 32-bit in the records.
  if (imageLength + blockSize > kMaxStoreBytes || thumbLength + thumbnail.size() > kMaxStoreBytes) return false;

  ItemImageHeader header = payload.header;
  header.imageBytes = static_cast<std::uint32_t>(payload.colour.size());
  header.alphaBytes = static_cast<std::uint32_t>(payload.alpha.size());
  try {
    m_imageStore.Seek(0, CFile::end);
    m_imageStore.Write(&header, kItemImageHeaderBytes);
    m_imageStore.Write(payload.colour.data(), payload.colour.size());
    m_imageStore.Write(payload.alpha.data(), payload.alpha.size());
    m_thumbnailStore.Seek(0, CFile::end);
    m_thumbnailStore.Write(thumbnail.data(), thumbnail.size());
  } catch (const CFileException&) {
    try {
      m_imageStore.SetLength(imageLength);
      m_thumbnailStore.SetLength(thumbLength);
    } catch (const CFileException&) {
      // Unreferenced bytes at a store's end do no harm; no record points there.
    }
    return false;
  }
  record.imageOffset = static_cast<std::uint32_t>(imageLength);
  record.imageBlockSize = static_cast<std::uint32_t>(blockSize);
  record.thumbOffset = static_cast<std::uint32_t>(thumbLength);
  record.thumbSize = static_cast<std::uint32_t>(thumbnail.size());
  m_records.push_back(record);
  ++m_header.itemCount;
  return true;
}

bool CBaseDatabase::DeleteItem(int index) {
  if (index < 0 || index >= static_cast<int>(m_records.size())) return false;
  BaseItemRecord removed = m_records[index];
  m_records.erase(m_records.begin() + index);
  ++m_deleteCount;
  if (Save()) return true;
  // Nothing reached the disk: keep memory as the file is.
  m_records.insert(m_records.begin() + index, removed);
  --m_deleteCount;
  return false;
}

void CBaseDatabase::FilterItems(const std::vector<std::string>& labels, int projection, int faceShape) {
  m_selection.clear();
  for (const BaseItemRecord& record : m_records) {
    if (!MatchesCategories(record, labels, true)) continue;
    if (projection != -1 && record.projection != projection) continue;
    if (faceShape != -1 && faceShape != 0 && record.faceShape != faceShape) continue;
    m_selection.push_back(record);
  }
}

void CBaseDatabase::FilterByCategories(const std::vector<std::string>& labels) {
  m_selection.clear();
  for (const BaseItemRecord& record : m_records)
    if (MatchesCategories(record, labels, false)) m_selection.push_back(record);
}

void CBaseDatabase::FilterByCategoriesAgain(const std::vector<std::string>& labels) { FilterByCategories(labels); }

int CBaseDatabase::FindNextByName(const std::string& lowerCaseText, int start) const {
  for (int i = std::max(start, 0); i < static_cast<int>(m_records.size()); ++i)
    if (LowerCase(GetItemName(m_records[i])).find(lowerCaseText) != std::string::npos) return i;
  return -1;
}

int CBaseDatabase::CountNameMatches(const std::string& text) const {
  return static_cast<int>(std::count_if(m_records.begin(), m_records.end(), [&](const BaseItemRecord& record) {
    return GetItemName(record).find(text) != std::string::npos;
  }));
}
