#include "app/shell/items/item_application.h"

#include <memory>

#include "app/bases/base_slots.h"
#include "app/bases/item_record.h"
#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kPhotoNotLoadedId = 61766;

}  // namespace

CategoryChoice AllCategories() { return {"all", "all", "all", "all", "all"}; }

int ProjectionFilterFor(const CKelvoraDoc& document, int slot, bool selectByOrient) {
  if (!selectByOrient || slot == kCustomBaseSlot) return -1;
  return document.GetRememberedProjection(document.GetMode());
}

void RefreshSelection(CBaseDatabase& base, const CategoryChoice& categories, int projectionFilter, int faceShape) {
  base.FilterItems(std::vector<std::string>(categories.begin(), categories.end()), projectionFilter, faceShape);
  base.LoadThumbnails();
}

ApplyResult ApplySelectedItem(CKelvoraDoc& document, CBaseDatabase& base, int slot, int index, bool slideshow) {
  const std::vector<BaseItemRecord>& selection = base.Selection();
  if (index < 0 || index >= static_cast<int>(selection.size())) return ApplyResult::nothing;
  const BaseItemRecord record = selection[index];
  const int kind = slot == kCustomBaseSlot ? GetCustomItemLayer(record) : slot;
  if (!IsItemKind(kind)) return ApplyResult::nothing;

  // Breasts belong to the body projection; everything else to a face one.
  const int mode = kind == kKindBreast ? kBodySet : kFaceSet;
  const int projection = mode == kBodySet ? 0 : static_cast<int>(record.projection);
  const int absolute = mode == kBodySet ? kBodyProjection : projection;
  const CProjection* target = document.GetProjection(absolute);
  if (!target || !target->HasPhoto()) {
    if (!slideshow)
      document.Host().ShowMessage(LoadResourceString(kPhotoNotLoadedId), MessageIcon::Information,
                                  MessageButtons::Ok);
    return ApplyResult::noPhoto;
  }

  document.Host().BeginWaitCursor();
  std::unique_ptr<CDibAlpha> image(base.LoadItemImage(record.imageOffset));
  ApplyResult result = ApplyResult::imageUnreadable;
  if (image) {
    if (document.GetMode() != mode) document.SwitchProjectionSet(mode);
    if (document.GetProjectionIndex(-1) != absolute) document.SelectProjection(projection, true, false);
    const CRect placement = GetItemPlacement(record);
    result = document.PutItem(std::move(image), placement.left, placement.top, placement.right, placement.bottom,
                              kind)
                 ? ApplyResult::applied
                 : ApplyResult::refused;
  }
  document.Host().EndWaitCursor();
  return result;
}

bool CItemSlideshow::Start(int entries, int currentIndex) {
  if (m_running || entries <= 0) return false;
  m_next = currentIndex >= 0 ? currentIndex : 0;
  m_running = true;
  return true;
}

int CItemSlideshow::Tick(int entries) {
  if (!m_running || entries <= 0) return -1;
  if (m_next >= entries) m_next = 0;
  return m_next++;
}

void CItemSlideshow::Stop() {
  m_running = false;
  m_next = 0;
}
