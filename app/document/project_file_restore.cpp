// Putting a read project record to use: into a projection, into the document
// ("Restore" from a gallery bar), or rendered on its own ("View").
//
// The record replaces the projection wholesale: slots the file does not name
// are emptied, so the restored look is the saved one and not a mixture with
// what was there. The frame histories go too; their steps describe frames
// that no longer exist.
#include "app/document/project_record.h"
#include "app/document/projection_render.h"

namespace {

void Unturned(CQuadTracker& frame, const CDoubleRect& rect) {
  frame.SetRect(rect.left, rect.top, rect.right, rect.bottom);
  frame.SetRotation(0.0, 1.0);
}

void SetLine(CLineTracker& line, const CRect& points) {
  line.SetPoints(points.left, points.top, points.right, points.bottom);
}

// Whether `layer` is one of the projection's own.
bool BelongsTo(const CLayer* layer, const CProjection& projection) {
  return layer && (layer == projection.GetPhoto() || layer == projection.GetMakeup() ||
                   projection.FindSlotOf(layer) >= 0);
}

}  // namespace

void CKelvoraDoc::SelectProjectionInSet(int mode, int index) {
  const int set = mode == kBodySet ? kBodySet : kFaceSet;
  if (index < 0 || index >= (set == kBodySet ? 1 : kBodyProjection)) return;
  m_nMode = set;
  SelectProjection(index, true, true);
}

void ApplyProjectRecord(ProjectRecord&& record, CProjection& projection, const CFrameCursors* cursors) {
  const CViewMapping mapping = projection.FaceFrame().GetViewMapping();
  auto adopt = [&](std::unique_ptr<CLayer>& layer) {
    if (!layer) return;
    layer->SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);
    if (cursors) layer->SetCursors(cursors->rotate, cursors->resize, cursors->move);
  };

  projection.ClearFrameHistories();
  projection.FaceFrame().SetRect(record.faceFrame.left, record.faceFrame.top, record.faceFrame.right,
                                 record.faceFrame.bottom);
  projection.FaceFrame().SetRotation(record.faceSine, record.faceCosine);
  SetLine(projection.EyesLine(), record.eyesLine);
  SetLine(projection.LipsLine(), record.lipsLine);
  SetLine(projection.UnderarmLine(), record.underarmLine);
  Unturned(projection.PrintArea(), record.printArea);

  adopt(record.photo);
  adopt(record.makeup);
  projection.SetPhoto(std::move(record.photo));
  projection.SetMakeup(std::move(record.makeup));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (record.slots[slot]) Unturned(*projection.StretchFrame(slot), record.stretchFrames[slot]);
    adopt(record.slots[slot]);
    projection.SetSlot(slot, std::move(record.slots[slot]));
  }
}

bool LoadProjectFile(const std::string& path, CProjection& projection, ProjectFileHeader* header,
                     std::string* reason, const CFrameCursors* cursors) {
  ProjectFileHeader read;
  ProjectRecord record;
  if (!ParseProjectFile(path, &read, &record, reason)) return false;
  ApplyProjectRecord(std::move(record), projection, cursors);
  if (header) *header = read;
  return true;
}

bool RestoreProjectFile(CKelvoraDoc& document, const std::string& path, int currentSlot, std::string* reason) {
  ProjectFileHeader header;
  ProjectRecord record;
  if (!ParseProjectFile(path, &header, &record, reason)) return false;
  CProjection* target = document.GetProjection(header.DocumentProjection());
  if (!target) {
    if (reason) *reason = "the projection does not exist";
    return false;
  }
  // The document's pointers into the old layers would dangle.
  if (BelongsTo(document.GetCurrentLayer(), *target)) document.SetCurrentLayer(nullptr);
  ApplyProjectRecord(std::move(record), *target, &document.GetFrameCursors());
  document.RefreshLayerPointers();

  document.SelectProjectionInSet(header.IsBodySet() ? kBodySet : kFaceSet, header.index);
  CLayer* current = target->GetSlot(currentSlot);
  document.SetCurrentLayer(current);
  if (current) document.Host().SetSlidersFrom(*current);
  document.Host().RefreshPanel();
  return true;
}

std::unique_ptr<CDib> RenderProjectFile(const std::string& path, const CRect* area, CDib* base,
                                        std::string* reason) {
  CProjection projection;
  ProjectFileHeader header;
  if (!LoadProjectFile(path, projection, &header, reason)) return nullptr;
  std::unique_ptr<CDib> picture = RenderProjectionLayers(projection, header.IsBodySet(), area, base);
  if (!picture && reason) *reason = "the area holds nothing to render";
  return picture;
}
