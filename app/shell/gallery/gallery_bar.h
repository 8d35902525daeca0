// CGalleryBar: one gallery bar without its window. The thumbnail list, the
// parallel array of entries (each the full path of its file) and the file
// counter that names new files. The bottom strip and the right-hand panel
// are two of these, differing only in how they name files.
//
// Messages go through the one message-box service. Failing to write, read
// or show a file is said with the file's name; a damaged file found while
// filling the list is only left out.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/document/kelvora_doc.h"
#include "app/shell/gallery/gallery_list_view.h"
#include "app/shell/gallery/gallery_naming.h"

class CGalleryBar {
 public:
  CGalleryBar(GalleryNaming naming, CGalleryListView& list) : m_naming(naming), m_list(list) {}

  GalleryNaming Naming() const { return m_naming; }
  unsigned FileCounter() const { return m_counter; }
  int Count() const { return static_cast<int>(m_entries.size()); }
  const std::string& EntryPath(int index) const { return m_entries.at(index); }
  // The selected entries' paths, in list order.
  std::vector<std::string> SelectedPaths() const;
  int SelectedCount() const { return static_cast<int>(m_list.SelectedItems().size()); }

  // Lists the file when it is there and carries a BMP thumbnail; false
  // (and nothing listed, nothing said) otherwise.
  bool AddFile(const std::string& path);
  // Every "*.kvp" file of `folder` (no sub-folders), in name order.
  void FillFromFolder(const std::string& folder);

  // "Add to gallery": projection `projection` (-1 the current one) into a
  // new file of `folder`, then listed. On a failed write nothing is left on
  // disk, the number is given back and the user is told which file could
  // not be written. The new path, or empty.
  std::string AddProjection(CKelvoraDoc& document, const std::string& folder, int projection = -1);

  // "Restore" of the one selected entry; `currentSlot` is the frame's
  // current database slot. A file that cannot be read is named to the user
  // and the document stays as it was.
  bool Restore(CKelvoraDoc& document, int currentSlot);
  // "View": each selected entry rendered; a file that cannot be shown is
  // named to the user and left out.
  std::vector<std::unique_ptr<CDib>> RenderSelected();

  // "Delete": asks when `ask`, then deletes the selected entries' files.
  // False when nothing was deleted.
  bool DeleteSelected(bool ask);
  // "Delete all": asks when `ask`, then deletes every entry's file and
  // starts the numbering again.
  bool DeleteAll(bool ask);

 private:
  GalleryNaming m_naming;
  CGalleryListView& m_list;
  std::vector<std::string> m_entries;
  unsigned m_counter = 0;
};

inline constexpr const char* kGalleryDeleteQuestion = "Are you really want to delete this item(s) from Gallery?";
inline constexpr const char* kGalleryPurgeQuestion = "Are you really want to purge the Gallery?";
