#include "app/shell/items/item_try_on.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/bases/base_slots.h"
#include "app/bases/item_record.h"
#include "app/shell/items/category_choice.h"
#include "app/shell/items/custom_item.h"
#include "platform/core/text_case.h"

namespace {

// Part of the custom base's own vocabulary; the program's string table has
// no entry for it.
constexpr const char* kCustomBaseName = "Custom";
constexpr const char* kCustomBaseVersion = "3.0";
constexpr const char* kRemoveQuestion = "Are you really want to delete this item from Custom base?";

void CreateEmptyCustomBase(CBaseDatabase& base, const std::string& path) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  if (!base.Create(path, kCustomBaseName, kCustomBaseVersion, 0) || !base.Save()) base.Close();
}

}  // namespace

int FaceShapeFromName(const std::string& name) {
  static constexpr const char* kShapes[] = {"triangle", "square", "round", "oval", "oblong"};
  const std::string lower = LowerCase(name);
  for (int shape = 0; shape < 5; ++shape)
    if (lower == kShapes[shape]) return shape + 1;
  return -1;
}

CBaseDatabase* CItemTryOn::Database(int kind) {
  if (!IsItemKind(kind)) return nullptr;
  std::unique_ptr<CBaseDatabase>& base = m_bases[kind];
  if (!base) {
    base = std::make_unique<CBaseDatabase>();
    const std::string path = m_settings.GetBasePath(kind);
    // Only the custom base is written to; the shipped ones stay read-only.
    // A base that opens but loads only in part keeps what was read.
    if (!path.empty() && base->Open(path, kind != kCustomBaseSlot)) base->Load();
    // A new user has no custom base yet: start an empty one so their first
    // look can be kept. A file that is there but does not open is left alone.
    else if (!path.empty() && kind == kCustomBaseSlot && !std::filesystem::exists(path))
      CreateEmptyCustomBase(*base, path);
  }
  return base->IsOpen() ? base.get() : nullptr;
}

bool CItemTryOn::IsKindEnabled(int kind) { return m_document.HasPhoto(true) && Database(kind); }

void CItemTryOn::Refill(int kind, CItemListView& list) {
  list.ResetContent();
  CBaseDatabase* base = Database(kind);
  if (!base) return;
  RefreshSelection(*base, Categories(kind), ProjectionFilterFor(m_document, kind, m_settings.selectByOrient),
                   m_faceShapes[kind]);
  const std::vector<BaseItemRecord>& selection = base->Selection();
  const auto& thumbnails = base->SelectionThumbnails();
  for (std::size_t i = 0; i < selection.size(); ++i) {
    std::unique_ptr<CDib> picture;
    if (i < thumbnails.size() && thumbnails[i]) picture = std::make_unique<CDib>(*thumbnails[i]);
    list.AddItem(std::move(picture), GetItemName(selection[i]));
  }
}

void CItemTryOn::SavePosition(int kind, const CItemListView& list) {
  if (IsItemKind(kind)) m_positions[kind] = {list.GetTopIndex(), list.GetCurSel()};
}

void CItemTryOn::RestorePosition(int kind, CItemListView& list) const {
  if (!IsItemKind(kind)) return;
  const ItemListPosition& position = m_positions[kind];
  if (position.topIndex > 0) list.SetTopIndex(position.topIndex);
  if (position.selection >= 0 && position.selection < list.GetCount()) list.SetCurSel(position.selection);
}

int CItemTryOn::ListIndexOfRecord(int kind, int recordIndex) {
  CBaseDatabase* base = Database(kind);
  if (!base || recordIndex < 0 || recordIndex >= static_cast<int>(base->Records().size())) return -1;
  // Image offsets tell records apart; names need not.
  const std::uint32_t offset = base->Records()[recordIndex].imageOffset;
  const std::vector<BaseItemRecord>& selection = base->Selection();
  for (std::size_t i = 0; i < selection.size(); ++i)
    if (selection[i].imageOffset == offset) return static_cast<int>(i);
  return -1;
}

ApplyResult CItemTryOn::ApplyChosen(int kind, const CItemListView& list) {
  CBaseDatabase* base = Database(kind);
  if (!base || list.GetCurSel() < 0) return ApplyResult::nothing;
  return ApplySelectedItem(m_document, *base, kind, list.GetCurSel(), m_slideshow.Running());
}

bool CItemTryOn::SetFaceShapeByName(int kind, const std::string& shapeName, bool cancelled) {
  if (!IsItemKind(kind)) return false;
  if (cancelled && m_faceShapes[kind] == -1) return false;
  m_faceShapes[kind] = cancelled ? -1 : FaceShapeFromName(shapeName);
  m_positions.fill({});
  return true;
}

CategoryChoice CItemTryOn::Categories(int kind) {
  CBaseDatabase* base = Database(kind);
  if (!base) return AllCategories();
  return RestoreCategoryChoice(*base, m_settings.categorySelections[kind]);
}

void CItemTryOn::SetCategories(int kind, const CategoryChoice& choice) {
  CBaseDatabase* base = Database(kind);
  if (!base) return;
  m_settings.categorySelections[kind] = SaveCategoryChoice(*base, choice);
  m_settings.categorySelectionsChanged[kind] = true;
}

bool CItemTryOn::CanRunSlideshow(int kind, const CItemListView& list) {
  return Database(kind) && list.GetCount() > 0;
}

bool CItemTryOn::StartSlideshow(int kind, const CItemListView& list) {
  if (!CanRunSlideshow(kind, list)) return false;
  return m_slideshow.Start(list.GetCount(), list.GetCurSel());
}

ApplyResult CItemTryOn::SlideshowTick(int kind, CItemListView& list) {
  const int index = m_slideshow.Tick(list.GetCount());
  if (index < 0) return ApplyResult::nothing;
  list.SetCurSel(index);
  return ApplyChosen(kind, list);
}

bool CItemTryOn::AddCurrentLayerToCustomBase(const std::string& name) {
  CBaseDatabase* custom = Database(kCustomBaseSlot);
  CProjection* projection = m_document.GetProjection(-1);
  CLayer* layer = m_document.GetCurrentLayer();
  const int layerNumber = projection && layer ? projection->FindSlotOf(layer) : -1;
  if (!custom || layerNumber < 0) return false;
  return AddToCustomBase(*custom, m_document, *layer, layerNumber, name);
}

bool CItemTryOn::RemoveFromCustomBase(int index) {
  CBaseDatabase* custom = Database(kCustomBaseSlot);
  if (!custom || index < 0 || index >= static_cast<int>(custom->Selection().size())) return false;
  if (m_document.Host().ShowQuestions() &&
      m_document.Host().ShowMessage(kRemoveQuestion, MessageIcon::Question, MessageButtons::YesNo) != IDYES)
    return false;
  const std::uint32_t imageOffset = custom->Selection()[index].imageOffset;
  if (!::RemoveFromCustomBase(*custom, imageOffset)) return false;
  m_positions[kCustomBaseSlot] = {};
  return true;
}
