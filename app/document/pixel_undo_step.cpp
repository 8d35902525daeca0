#include "app/document/pixel_undo_step.h"

#include "app/document/layer.h"

CPixelUndoStep::CPixelUndoStep(std::string name, CLayer& owner, std::unique_ptr<CDib> pixels, const CRect& rect)
    : CUndoStep(std::move(name)), m_owner(owner), m_pixels(std::move(pixels)), m_rect(rect) {}

ChangedArea CPixelUndoStep::Undo() {
  CDibAlpha* image = m_owner.GetImage();
  if (!image || !m_pixels) return std::nullopt;
  image->Edit_Paste(m_pixels.get(), m_rect.TopLeft());
  return m_owner.MapImageRectToDocument(m_rect);
}

std::unique_ptr<CUndoStep> CPixelUndoStep::Capture() const {
  CDibAlpha* image = m_owner.GetImage();
  std::unique_ptr<CDib> present(image ? image->Edit_Copy(m_rect) : nullptr);
  return std::make_unique<CPixelUndoStep>(GetName(), m_owner, std::move(present), m_rect);
}
