#include "app/document/undo_routing.h"

#include "app/document/photo_makeup_pair.h"

#include <cstdio>

#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kUndoTextId = 63522;
constexpr unsigned kRedoTextId = 63523;

template <typename Tracker>
bool CanMove(const Tracker& tracker, UndoDirection direction) {
  return direction == UndoDirection::undo ? tracker.CanUndo() : tracker.CanRedo();
}

template <typename Tracker>
std::string NameOf(const Tracker& tracker, UndoDirection direction) {
  return direction == UndoDirection::undo ? tracker.GetUndoName() : tracker.GetRedoName();
}

template <typename Tracker>
ChangedArea Move(Tracker& tracker, UndoDirection direction) {
  return direction == UndoDirection::undo ? tracker.Undo() : tracker.Redo();
}

std::string DeformName() { return LoadResourceString(kDeformStepNameId); }

// The object rules 3 to 5 act on, and the stretch frame coupled with it.
struct LayerTarget {
  CLayer* layer = nullptr;
  CQuadTracker* stretchFrame = nullptr;
};

LayerTarget LayerTargetOf(const CKelvoraDoc& document, const CEditMode& mode) {
  if (mode.photoMode) return {document.GetPhotoLayer(), nullptr};
  if (mode.makeupMode) return {document.GetMakeupLayer(), nullptr};
  const CProjection* projection = document.GetProjection(-1);
  CQuadTracker* stretch =
      projection ? const_cast<CProjection*>(projection)->StretchFrame(mode.currentKind) : nullptr;
  return {document.GetCurrentLayer(), stretch};
}


void RunLayerRule(CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction) {
  const LayerTarget target = LayerTargetOf(document, mode);
  CLayer* layer = target.layer;
  const bool ruleFive = !mode.photoMode && !mode.makeupMode;
  bool moveLayer = layer != nullptr;
  if (ruleFive && target.stretchFrame) {
    CQuadTracker& stretch = *target.stretchFrame;
    if (mode.hairStretchTool) {
      const bool deform = CanMove(stretch, direction) && NameOf(stretch, direction) == DeformName();
      if (CanMove(stretch, direction)) Move(stretch, direction);
      moveLayer = moveLayer && deform;
    } else if (layer && CanMove(*layer, direction) && NameOf(*layer, direction) == DeformName()) {
      // The stretch frame's moves since its last "Deform" go with it.
      while (CanMove(stretch, direction)) {
        const bool deform = NameOf(stretch, direction) == DeformName();
        Move(stretch, direction);
        if (deform) break;
      }
    }
  }
  if (!moveLayer || !CanMove(*layer, direction)) {
    document.Host().RefreshViews();
    return;
  }
  const CRect before = layer->GetBoundingRect();
  const ChangedArea area = Move(*layer, direction);
  if (area) {
    document.UpdateView(*area);
    return;
  }
  KeepPhotoAndMakeupTogether(document, layer);
  document.UpdateView(UnionOf(before, layer->GetBoundingRect()));
}

}  // namespace

bool CanRunUndoCommand(const CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction) {
  return !UndoCommandStepName(document, mode, direction).empty();
}

std::string UndoCommandStepName(const CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction) {
  const CProjection* projection = document.GetProjection(-1);
  if (!projection) return {};
  if (mode.faceRectangleTool) {
    if (document.GetMode() == kBodySet) return NameOf(projection->UnderarmLine(), direction);
    for (std::string name : {NameOf(projection->FaceFrame(), direction), NameOf(projection->EyesLine(), direction),
                             NameOf(projection->LipsLine(), direction)}) {
      if (!name.empty()) return name;
    }
    return {};
  }
  if (mode.printAreaTool) return NameOf(projection->PrintArea(), direction);
  const LayerTarget target = LayerTargetOf(document, mode);
  if (!mode.photoMode && !mode.makeupMode && mode.hairStretchTool)
    return target.stretchFrame ? NameOf(*target.stretchFrame, direction) : std::string();
  return target.layer ? NameOf(*target.layer, direction) : std::string();
}

void RunUndoCommand(CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction) {
  CProjection* projection = document.GetProjection(-1);
  if (!projection) return;
  if (mode.faceRectangleTool) {
    if (document.GetMode() == kBodySet) {
      Move(projection->UnderarmLine(), direction);
    } else {
      Move(projection->FaceFrame(), direction);
      Move(projection->EyesLine(), direction);
      Move(projection->LipsLine(), direction);
    }
    document.Host().RefreshViews();
    return;
  }
  if (mode.printAreaTool) {
    Move(projection->PrintArea(), direction);
    document.Host().RefreshViews();
    return;
  }
  RunLayerRule(document, mode, direction);
}

std::string UndoCommandText(const CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction) {
  const std::string name = UndoCommandStepName(document, mode, direction);
  if (name.empty()) return {};
  const std::string format = LoadResourceString(direction == UndoDirection::undo ? kUndoTextId : kRedoTextId);
  const std::size_t at = format.find("%s");
  if (at == std::string::npos) return format;
  return format.substr(0, at) + name + format.substr(at + 2);
}
