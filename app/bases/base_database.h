// CBaseDatabase: one item database, three files that belong together. The
// main file P (".hbd") holds the header, the item records and the extension;
// the image store (P with its last character "i") holds one image block per
// item; the thumbnail store (last character "p") one 48 x 48 raster per item.
// Records point into the stores by byte offset.
//
// The custom base is rewritten while the user works, so every change is
// made crash-safe without touching the file formats:
// - the stores only ever grow by appending, and records are written after
//   the bytes they point to are on disk; an append that fails is cut back;
// - the main file is replaced as a whole (written beside it, then renamed);
// - compaction writes the new stores ("x", "y") and the new main file ("w"),
//   commits by renaming "w" to "z", then renames each into place; Open
//   finishes a committed compaction and discards an uncommitted one.
// After an interruption at any point, opening gives the state before or the
// state after the operation.
//
// The virtual operations are declared in the order of the class's virtual
// table.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/bases/base_file_layout.h"
#include "imagelib/dib.h"
#include "platform/core/file.h"

class CDibAlpha;

// The category tree's numbers: value group g's rows, each a list of values.
using BaseValueGroupRows = std::vector<std::vector<std::uint32_t>>;

struct BaseNameTable {
  std::vector<std::string> rowNames;            // kNameTableRows when loaded
  std::vector<std::vector<std::string>> cells;  // cells[row][column]
};

// The image and alpha payloads of one image block, as AddItem stores them.
struct ItemImagePayload {
  ItemImageHeader header{};
  std::vector<unsigned char> colour;
  std::vector<unsigned char> alpha;
};

class CBaseDatabase {
 public:
  static constexpr int kNoItem = 65535;  // FindItemByImageOffset's "none"
  static constexpr const char* kCategorySeparator = "-------";
  static constexpr const char* kAnyCategory = "all";

  CBaseDatabase();
  CBaseDatabase(const CBaseDatabase&) = delete;
  CBaseDatabase& operator=(const CBaseDatabase&) = delete;

  // --- virtual table, in order ---
  virtual ~CBaseDatabase();
  virtual CFile& GetMainFile() { return m_mainFile; }
  virtual CFile& GetImageStore() { return m_imageStore; }
  virtual CFile& GetThumbnailStore() { return m_thumbnailStore; }
  virtual std::string GetPath() const { return m_path; }
  virtual std::string GetName() const;
  virtual void SetName(const std::string& name);
  virtual std::uint32_t GetTag() const { return m_header.tag; }
  virtual void SetTag(std::uint32_t tag) { m_header.tag = tag; }
  virtual double GetVersion() const;
  virtual std::string GetVersionText() const;
  virtual void SetVersionText(const std::string& version);
  virtual bool Create(const std::string& path, const std::string& name, const std::string& version,
                      std::uint32_t tag);
  virtual bool Open(const std::string& path, bool readOnly);
  virtual void Close();
  virtual bool Load();
  virtual bool Save();
  virtual CDib* LoadThumbnail(std::uint32_t thumbOffset);
  virtual bool LoadThumbnails();
  virtual CDibAlpha* LoadItemImage(std::uint32_t imageOffset);
  virtual bool AddItem(CDibAlpha* image, CDib* thumbnail, const BaseItemRecord& record, bool jpegOption1,
                       bool compress, int jpegQuality, bool jpegOption2);
  virtual bool DeleteItem(int index);
  virtual void FilterItems(const std::vector<std::string>& labels, int projection, int faceShape);
  virtual void FilterByCategories(const std::vector<std::string>& labels);
  virtual void FilterByCategoriesAgain(const std::vector<std::string>& labels);
  virtual bool IsOpen() const { return m_mainFile.IsOpen(); }
  virtual int FindItemByImageOffset(std::uint32_t imageOffset) const;
  virtual int FindNextByName(const std::string& lowerCaseText, int start) const;
  virtual int CountNameMatches(const std::string& text) const;
  // --- end of the virtual table ---

  // The labels the category choosers offer on each of the five levels for
  // `choice` (one label per level, "all" for any), from the category tree
  // labelled by `nameTableRow` of the name table (row 0 when out of range).
  std::vector<std::vector<std::string>> CategoryLists(const std::vector<std::string>& choice,
                                                      int nameTableRow = 0) const;

  // Rebuilds both stores with only the blocks of the current records, in
  // record order. The callback, when given, hears each record's index.
  bool Compact(const std::function<void(int)>& progress = {});

  // Appends an already encoded image block and a thumbnail's pixel bytes to
  // the stores and the record (with its offsets and sizes filled in) to the
  // record array. The caller saves afterwards.
  bool AddItemBlock(const ItemImagePayload& payload, const std::vector<unsigned char>& thumbnail,
                    BaseItemRecord record);

  const std::vector<BaseItemRecord>& Records() const { return m_records; }
  const std::vector<BaseItemRecord>& Selection() const { return m_selection; }
  const std::vector<std::unique_ptr<CDib>>& SelectionThumbnails() const { return m_thumbnails; }
  const std::vector<std::vector<std::string>>& CategoryListsInMemory() const { return m_categories; }
  std::vector<std::vector<std::string>>& CategoryListsInMemory() { return m_categories; }
  const std::vector<BaseValueGroupRows>& ValueGroups() const { return m_valueGroups; }
  std::vector<BaseValueGroupRows>& ValueGroups() { return m_valueGroups; }
  const BaseNameTable& NameTable() const { return m_nameTable; }
  BaseNameTable& NameTable() { return m_nameTable; }
  std::uint32_t DeleteCount() const { return m_deleteCount; }
  bool IsReadOnly() const { return m_readOnly; }

  // The companion file of `mainPath` whose last character is `last`.
  static std::string CompanionPath(const std::string& mainPath, char last);

 private:
  bool OpenFiles(const std::string& path, bool readOnly);
  void ResetLists(bool withTree);
  void ReadListsFromFile(const BaseExtension& extension);
  std::vector<unsigned char> MainFileBytes(const std::vector<BaseItemRecord>& records, std::uint32_t deleteCount);
  bool ReplaceMainFile(const std::vector<unsigned char>& bytes);
  bool RecoverInterruptedCompaction();
  bool CopyBlock(CFile& from, std::uint32_t offset, std::uint32_t size, CFile& to);

  CFile m_mainFile;
  CFile m_imageStore;
  CFile m_thumbnailStore;
  std::string m_path;
  bool m_readOnly = true;
  BaseHeader m_header{};
  std::vector<BaseItemRecord> m_records;
  std::vector<BaseItemRecord> m_selection;
  std::vector<std::unique_ptr<CDib>> m_thumbnails;
  std::vector<std::vector<std::string>> m_categories;
  std::vector<BaseValueGroupRows> m_valueGroups;
  BaseNameTable m_nameTable;
  std::uint32_t m_deleteCount = 0;
};
