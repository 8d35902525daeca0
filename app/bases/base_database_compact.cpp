// Compaction: rebuilding both stores with only the blocks the records use.
//
// The new stores go to the "x" and "y" files and the new main file to "w";
// all three are synced. Renaming "w" to "z" is the commit: before it, the
// old files are the database and the new ones are discarded by the next
// Open; after it, the new ones are, and Open finishes moving them into place
// if this run could not. Each rename is atomic, so no interruption can pair
// a main file with the wrong stores.
#include <vector>

#include "app/bases/base_database.h"
#include "platform/core/file_system.h"

bool CBaseDatabase::CopyBlock(CFile& from, std::uint32_t offset, std::uint32_t size, CFile& to) {
  if (static_cast<std::uint64_t>(offset) + size > from.GetLength()) return false;
  std::vector<unsigned char> block(size);
  from.Seek(offset, CFile::begin);
  if (from.Read(block.data(), size) != size) return false;
  to.Write(block.data(), size);
  return true;
}

bool CBaseDatabase::Compact(const std::function<void(int)>& progress) {
  if (!Save()) return false;
  const std::string newImages = CompanionPath(m_path, 'x');
  const std::string newThumbnails = CompanionPath(m_path, 'y');
  const std::string newMain = CompanionPath(m_path, 'w');
  auto discard = [&] {
    for (const std::string& path : {newImages, newThumbnails, newMain}) RemoveFile(path);
  };

  std::vector<BaseItemRecord> compacted;
  try {
    CFile images;
    CFile thumbnails;
    if (!images.Open(newImages, CFile::modeCreate | CFile::modeWrite) ||
        !thumbnails.Open(newThumbnails, CFile::modeCreate | CFile::modeWrite)) {
      discard();
      return false;
    }
    for (std::size_t i = 0; i < m_records.size(); ++i) {
      if (progress) progress(static_cast<int>(i));
      BaseItemRecord record = m_records[i];
      record.imageOffset = static_cast<std::uint32_t>(images.GetLength());
      record.thumbOffset = static_cast<std::uint32_t>(thumbnails.GetLength());
      if (!CopyBlock(m_imageStore, m_records[i].imageOffset, record.imageBlockSize, images) ||
          !CopyBlock(m_thumbnailStore, m_records[i].thumbOffset, record.thumbSize, thumbnails)) {
        discard();  // a record points outside its store: keep everything as it is
        return false;
      }
      compacted.push_back(record);
    }
    images.Flush();
    thumbnails.Flush();

    std::vector<unsigned char> mainBytes = MainFileBytes(compacted, 0);
    CFile main;
    if (!main.Open(newMain, CFile::modeCreate | CFile::modeWrite)) {
      discard();
      return false;
    }
    main.Write(mainBytes.data(), mainBytes.size());
    main.Flush();
  } catch (const CFileException&) {
    discard();
    return false;
  }
  if (!RenameFile(newMain, CompanionPath(m_path, 'z'))) {
    discard();
    return false;
  }
  // Committed: from here on the new files are the database and must never be
  // discarded, even if making the rename durable fails.
  SyncFolderOf(m_path);

  std::string path = m_path;
  bool readOnly = m_readOnly;
  Close();
  // Open finishes the committed compaction; if it cannot, the next Open will.
  return Open(path, readOnly) && Load();
}
