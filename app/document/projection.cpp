#include "app/document/projection.h"

CProjection::CProjection() {
  for (auto& frame : m_stretchFrames) {
    frame = std::make_unique<CQuadTracker>(true);
    frame->SetRect(0, 0, 150, 150);
  }
  m_printArea.SetRect(300, 130, 400, 316);
}

CProjection::~CProjection() = default;

void CProjection::ResetFrames(const ProjectionPlacements& placements) {
  const CDoubleRect& face = placements.face;
  m_faceFrame.SetRect(face.left, face.top, face.right, face.bottom);
  m_faceFrame.SetRotation(0.0, 1.0);
  auto setLine = [](CLineTracker& line, const CRect& points) {
    line.SetPoints(points.left, points.top, points.right, points.bottom);
  };
  setLine(m_eyesLine, placements.eyes);
  setLine(m_lipsLine, placements.lips);
  setLine(m_underarmLine, placements.underarm);
}

CQuadTracker* CProjection::StretchFrame(int slot) {
  return slot >= 0 && slot < kSlotCount ? m_stretchFrames[slot].get() : nullptr;
}

const CQuadTracker* CProjection::StretchFrame(int slot) const {
  return slot >= 0 && slot < kSlotCount ? m_stretchFrames[slot].get() : nullptr;
}

CLayer* CProjection::GetSlot(int slot) const {
  return slot >= 0 && slot < kSlotCount ? m_slots[slot].get() : nullptr;
}

void CProjection::SetSlot(int slot, std::unique_ptr<CLayer> layer) {
  if (slot >= 0 && slot < kSlotCount) m_slots[slot] = std::move(layer);
}

std::unique_ptr<CLayer> CProjection::TakeSlot(int slot) {
  if (slot < 0 || slot >= kSlotCount) return nullptr;
  return std::move(m_slots[slot]);
}

int CProjection::FindSlotOf(const CLayer* layer) const {
  if (!layer) return -1;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (m_slots[slot].get() == layer) return slot;
  }
  return -1;
}

void CProjection::DeleteLayers() {
  m_pPhoto.reset();
  m_pMakeup.reset();
  for (auto& slot : m_slots) slot.reset();
}

void CProjection::ClearFrameHistories() {
  auto clear = [](auto& tracker) {
    tracker.ClearUndo();
    tracker.ClearRedo();
  };
  clear(m_faceFrame);
  clear(m_eyesLine);
  clear(m_lipsLine);
  clear(m_underarmLine);
  clear(m_printArea);
  for (auto& frame : m_stretchFrames) clear(*frame);
}
