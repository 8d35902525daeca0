// The undo state of a pixel tool: a rectangle of a layer's image as it was.
// Writing it back pastes the saved pixels (with their transparency) and
// reports where on the document they are drawn.
#pragma once

#include <memory>

#include "app/tools/undo_step.h"
#include "imagelib/dib.h"

class CLayer;

class CPixelUndoStep : public CUndoStep {
 public:
  // `pixels` is the image's `rect` (image pixels) as it is to be restored.
  CPixelUndoStep(std::string name, CLayer& owner, std::unique_ptr<CDib> pixels, const CRect& rect);

  ChangedArea Undo() override;
  std::unique_ptr<CUndoStep> Capture() const override;

  const CRect& GetRect() const { return m_rect; }

 private:
  CLayer& m_owner;
  std::unique_ptr<CDib> m_pixels;
  CRect m_rect;
};
