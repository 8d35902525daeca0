// CItemTryOn: the main frame's item state without the window. One database
// per item kind (the kind's "Base_k" file; 3 is the custom base, the only
// one opened for writing), each kind's list position, face-shape filter and
// category choice, the slideshow, and the custom base's add and remove.
// The frame feeds it its thumbnail list and shows what it answers.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/bases/base_database.h"
#include "app/document/kelvora_doc.h"
#include "app/shell/items/item_application.h"
#include "app/shell/items/item_list_view.h"
#include "app/shell/settings/settings.h"

struct ItemListPosition {
  int topIndex = 0;
  int selection = -1;
};

class CItemTryOn {
 public:
  // Both outlive the try-on; the settings' category choices and search text
  // are written back here.
  CItemTryOn(CKelvoraDoc& document, CSettings& settings) : m_document(document), m_settings(settings) {}

  // The kind's database, opened on first use; null when it does not open.
  CBaseDatabase* Database(int kind);
  // A kind's button is enabled while the current projection has a photo
  // and the kind's database is open.
  bool IsKindEnabled(int kind);

  // The list of `kind` filtered by its categories, the projection (with
  // "SelectByOrient", never for the custom base) and its face shape, and
  // shown in `list`. An empty list when the kind has no database.
  void Refill(int kind, CItemListView& list);
  void SavePosition(int kind, const CItemListView& list);
  // Back to the saved position, as far as the list now reaches.
  void RestorePosition(int kind, CItemListView& list) const;

  // The list entry of record `recordIndex` of the kind's database (what the
  // name search finds), or -1 when the filters leave it out.
  int ListIndexOfRecord(int kind, int recordIndex);

  // The list's chosen entry on the photo.
  ApplyResult ApplyChosen(int kind, const CItemListView& list);

  int FaceShape(int kind) const { return IsItemKind(kind) ? m_faceShapes[kind] : -1; }
  // The select-by-type result: a shape's name ("Triangle" ... "Oblong", any
  // case) or anything else for "any". Every kind's list position is
  // forgotten. False when nothing changes (a cancelled dialog with no filter).
  bool SetFaceShapeByName(int kind, const std::string& shapeName, bool cancelled);

  CategoryChoice Categories(int kind);
  void SetCategories(int kind, const CategoryChoice& choice);

  // The slideshow over the list: true when it started.
  bool StartSlideshow(int kind, const CItemListView& list);
  // One timer tick: selects the next entry and applies it.
  ApplyResult SlideshowTick(int kind, CItemListView& list);
  void StopSlideshow() { m_slideshow.Stop(); }
  bool IsSlideshowRunning() const { return m_slideshow.Running(); }
  bool CanRunSlideshow(int kind, const CItemListView& list);

  // The document's current layer into the custom base as `name`; false when
  // there is no current layer or the base cannot be written.
  bool AddCurrentLayerToCustomBase(const std::string& name);
  // Asks first (when confirmations are on), then deletes list entry `index`
  // of the custom base and compacts it. False when nothing was deleted.
  bool RemoveFromCustomBase(int index);

 private:
  CKelvoraDoc& m_document;
  CSettings& m_settings;
  std::array<std::unique_ptr<CBaseDatabase>, kItemKindCount> m_bases;
  std::array<ItemListPosition, kItemKindCount> m_positions{};
  std::array<int, kItemKindCount> m_faceShapes = {-1, -1, -1, -1, -1, -1, -1, -1, -1};
  CItemSlideshow m_slideshow;
};

// The face-shape filter of a select-by-type name: 1 to 5, or -1.
int FaceShapeFromName(const std::string& name);
