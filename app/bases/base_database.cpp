// CBaseDatabase: lifecycle, header fields, opening, creating and closing the
// three files, and the recovery of an interrupted compaction.
#include "app/bases/base_database.h"

#include <charconv>
#include <cstring>

#include "app/bases/fixed_text.h"
#include "imagelib/dib.h"
#include "platform/core/file_system.h"

CBaseDatabase::CBaseDatabase() = default;

CBaseDatabase::~CBaseDatabase() { CBaseDatabase::Close(); }

std::string CBaseDatabase::CompanionPath(const std::string& mainPath, char last) {
  if (mainPath.empty()) return mainPath;
  std::string path = mainPath;
  path.back() = last;
  return path;
}

std::string CBaseDatabase::GetName() const { return ReadFixedText(m_header.name); }

void CBaseDatabase::SetName(const std::string& name) { WriteFixedText(m_header.name, name); }

std::string CBaseDatabase::GetVersionText() const { return ReadFixedText(m_header.version); }

void CBaseDatabase::SetVersionText(const std::string& version) { WriteFixedText(m_header.version, version); }

double CBaseDatabase::GetVersion() const {
  std::string text = GetVersionText();
  const char* first = text.data();
  const char* last = first + text.size();
  while (first != last && (*first == ' ' || *first == '\t')) ++first;
  double version = 0;
  auto [end, error] = std::from_chars(first, last, version);
  return error == std::errc() && end != first ? version : 0.0;
}

bool CBaseDatabase::OpenFiles(const std::string& path, bool readOnly) {
  unsigned mode = readOnly ? CFile::modeRead : CFile::modeReadWrite;
  if (!m_mainFile.Open(path, mode) || !m_imageStore.Open(CompanionPath(path, 'i'), mode) ||
      !m_thumbnailStore.Open(CompanionPath(path, 'p'), mode)) {
    Close();
    return false;
  }
  m_path = path;
  m_readOnly = readOnly;
  return true;
}

bool CBaseDatabase::Open(const std::string& path, bool readOnly) {
  Close();
  m_path = path;
  if (!RecoverInterruptedCompaction() || !FileExists(path)) return false;
  return OpenFiles(path, readOnly);
}

bool CBaseDatabase::RecoverInterruptedCompaction() {
  if (m_path.empty()) return true;
  const std::string committed = CompanionPath(m_path, 'z');
  if (!FileExists(committed)) {
    // An uncommitted compaction changed nothing that counts: drop its files.
    for (char last : {'x', 'y', 'w'}) RemoveFile(CompanionPath(m_path, last));
    return true;
  }
  // Committed: the new stores are wherever they have not been renamed yet.
  const std::pair<char, char> moves[] = {{'x', 'i'}, {'y', 'p'}};
  for (auto [from, to] : moves) {
    std::string source = CompanionPath(m_path, from);
    if (FileExists(source) && !RenameFile(source, CompanionPath(m_path, to))) return false;
  }
  if (!RenameFile(committed, m_path)) return false;
  return SyncFolderOf(m_path);
}

bool CBaseDatabase::Create(const std::string& path, const std::string& name, const std::string& version,
                           std::uint32_t tag) {
  Close();
  unsigned mode = CFile::modeCreate | CFile::modeReadWrite;
  // Files already created stay open until Close, as callers expect.
  if (!m_mainFile.Open(path, mode) || !m_imageStore.Open(CompanionPath(path, 'i'), mode) ||
      !m_thumbnailStore.Open(CompanionPath(path, 'p'), mode))
    return false;
  m_path = path;
  m_readOnly = false;
  std::memset(&m_header, 0, sizeof m_header);
  SetName(name);
  SetVersionText(version);
  m_header.tag = tag;
  m_deleteCount = 0;
  ResetLists(true);
  for (auto& row : m_nameTable.cells) row.assign(1, std::string());
  return true;
}

void CBaseDatabase::Close() {
  m_mainFile.Close();
  m_imageStore.Close();
  m_thumbnailStore.Close();
  m_thumbnails.clear();
  m_records.clear();
  m_selection.clear();
  m_categories.clear();
  m_valueGroups.clear();
  m_nameTable = {};
  m_deleteCount = 0;
}

int CBaseDatabase::FindItemByImageOffset(std::uint32_t imageOffset) const {
  for (std::size_t i = 0; i < m_records.size(); ++i)
    if (m_records[i].imageOffset == imageOffset) return static_cast<int>(i);
  return kNoItem;
}
