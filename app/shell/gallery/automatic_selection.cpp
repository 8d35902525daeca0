#include "app/shell/gallery/automatic_selection.h"

#include "app/bases/base_slots.h"
#include "app/bases/item_record.h"
#include "app/document/item_kinds.h"
#include "platform/core/resource_module.h"
#include "platform/core/message_box.h"

namespace {

constexpr int kAutoColourFilterStrength = 95;

bool SamplesSkin(int kind) { return kind == kKindNose || kind == kKindBreast; }

// The item of one list entry as a layer of its projection, with the
// adjustments the slot's own layer carries (or the sampled skin colour).
// Null when the item cannot be placed.
std::unique_ptr<CLayer> BuildEntryLayer(CKelvoraDoc& document, CBaseDatabase& base, const BaseItemRecord& record,
                                        int kind, int projection) {
  std::unique_ptr<CDibAlpha> image(base.LoadItemImage(record.imageOffset));
  if (!image) return nullptr;
  const CRect placement = GetItemPlacement(record);
  std::unique_ptr<CLayer> layer = document.CreateLayer(std::move(image), placement.left, placement.top,
                                                       placement.right, placement.bottom, kind, projection);
  if (!layer) return nullptr;
  bool sampled = false;
  // The skin is sampled from the current projection, which is the item's
  // one only when the user is looking at it.
  if (SamplesSkin(kind) && document.GetAutoColour() && document.GetProjectionIndex(-1) == projection) {
    if (std::optional<COLORREF> skin = document.SampleSkinColour(kind)) {
      layer->StoreAdjustments(layer->GetBrightness(), layer->GetContrast(), layer->GetHue(),
                              layer->GetImageOpacity(), true, kAutoColourFilterStrength, *skin,
                              layer->GetFilterNumber());
      sampled = true;
    }
  }
  if (const CLayer* previous = document.GetProjection(projection)->GetSlot(kind))
    layer->TakeAdjustmentsFrom(*previous, sampled);
  layer->ApplyAdjustments();
  return layer;
}

}  // namespace

AutoSelectionOutcome RunAutomaticSelection(CKelvoraDoc& document, CBaseDatabase& base, int slot, CGalleryBar& target,
                                           const std::string& folder, const std::function<bool(int)>& advance) {
  AutoSelectionOutcome outcome;
  // A copy: writing entries must not see the list change under it.
  const std::vector<BaseItemRecord> selection = base.Selection();
  for (std::size_t i = 0; i < selection.size(); ++i) {
    const BaseItemRecord& record = selection[i];
    ++outcome.entries;
    const int kind = slot == kCustomBaseSlot ? GetCustomItemLayer(record) : slot;
    const int projection = kind == kKindBreast ? kBodyProjection : static_cast<int>(record.projection);
    CProjection* into = document.GetProjection(projection);
    if (IsItemKind(kind) && into && into->HasPhoto()) {
      if (std::unique_ptr<CLayer> layer = BuildEntryLayer(document, base, record, kind, projection)) {
        std::unique_ptr<CLayer> own = into->TakeSlot(kind);
        into->SetSlot(kind, std::move(layer));
        const bool written = !target.AddProjection(document, folder, projection).empty();
        into->SetSlot(kind, std::move(own));
        if (!written) {
          outcome.stopped = true;
          break;
        }
        ++outcome.written;
      }
    }
    if (advance && !advance(static_cast<int>(i))) {
      outcome.stopped = true;
      break;
    }
  }
  return outcome;
}

bool RunAutomaticSelectionCommand(CKelvoraDoc& document, CItemTryOn& tryOn, CSettings& settings, int kind,
                                  CItemListView& list, CGalleryBar& target, const AutoSelectionWindow& window,
                                  AutoSelectionOutcome* outcome) {
  CBaseDatabase* base = tryOn.Database(kind);
  if (!base) return false;
  const int answer = ShowMessageBox(LoadResourceString(kNewSelectionQuestionId), {}, MessageIcon::Question,
                                    MessageButtons::YesNoCancel);
  if (answer == IDCANCEL) return false;
  const CategorySelections remembered = settings.categorySelections[kind];
  if (answer == IDYES && window.chooseCategories && window.chooseCategories()) tryOn.Refill(kind, list);

  if (window.openProgress) window.openProgress(std::max(0, list.GetCount() - 1));
  AutoSelectionOutcome result =
      RunAutomaticSelection(document, *base, kind, target, settings.GetDataFolder(), window.advance);
  if (window.closeProgress) window.closeProgress();
  if (outcome) *outcome = result;

  if (answer == IDYES && settings.categorySelections[kind] != remembered &&
      ShowMessageBox(LoadResourceString(kRestoreSelectionQuestionId), {}, MessageIcon::Question,
                     MessageButtons::YesNo) == IDYES) {
    settings.categorySelections[kind] = remembered;
    settings.categorySelectionsChanged[kind] = true;
    tryOn.Refill(kind, list);
  }
  return true;
}
