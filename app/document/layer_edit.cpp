// Pixel edits of a layer: the backup a tool starts from, the rectangle it
// touched, and the step that keeps only that rectangle.
#include <algorithm>

#include "app/document/layer.h"
#include "app/document/pixel_undo_step.h"
#include "platform/core/resource_module.h"

void CLayer::BeginEdit() {
  m_pEditBackup.reset();
  m_pendingEditRect.SetRectEmpty();
  if (!m_pImage || m_pImage->IsEmpty()) return;
  m_pEditBackup.reset(m_pImage->Edit_Copy(CRect(0, 0, m_pImage->Width(), m_pImage->Height())));
}

void CLayer::AddEditRect(int left, int top, int right, int bottom) {
  if (!m_pImage) return;
  CRect touched(left, top, right, bottom);
  touched.NormalizeRect();
  if (!touched.IntersectRect(touched, CRect(0, 0, m_pImage->Width(), m_pImage->Height()))) return;
  if (m_pendingEditRect.IsRectEmpty())
    m_pendingEditRect = touched;
  else
    m_pendingEditRect.UnionRect(m_pendingEditRect, touched);
}

void CLayer::PushUndo(const std::string& name) { PushPixelUndo(name); }

bool CLayer::PushPixelUndo(const std::string& name) {
  if (!m_pEditBackup) return false;
  if (!m_pendingEditRect.IsRectEmpty()) {
    std::unique_ptr<CDib> before(m_pEditBackup->Edit_Copy(m_pendingEditRect));
    if (before) History().Push(std::make_unique<CPixelUndoStep>(name, *this, std::move(before), m_pendingEditRect));
  }
  m_pEditBackup.reset();
  m_pendingEditRect.SetRectEmpty();
  return true;
}

// The four image corners of the rectangle mapped onto the document; the box
// is widened by a pixel because the mapping truncates.
CRect CLayer::MapImageRectToDocument(const CRect& imageRect) const {
  const CSize imageSize = m_pImage ? m_pImage->GetSize() : CSize(0, 0);
  if (imageSize.cx <= 0 || imageSize.cy <= 0) return GetBoundingRect();
  const CPoint corners[4] = {MapFromImage(imageRect.left, imageRect.top, imageSize),
                             MapFromImage(imageRect.right, imageRect.top, imageSize),
                             MapFromImage(imageRect.right, imageRect.bottom, imageSize),
                             MapFromImage(imageRect.left, imageRect.bottom, imageSize)};
  CRect box(corners[0].x, corners[0].y, corners[0].x, corners[0].y);
  for (const CPoint& p : corners) {
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  box.InflateRect(1, 1);
  return box;
}
