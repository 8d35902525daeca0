// CSelectionContour: the lasso's or the magic wand's outline with the soft
// mask the area commands act through and the copy buffer they paste from.
// The mask and the buffer are in layer-image pixels; the vertices, like
// every contour's, in document coordinates.
//
// The buffer keeps its own copy of the mask it was copied through: a later
// command may rebuild the selection mask at another size, and the paste
// reads its weights cell for cell with the buffer.
#pragma once

#include <functional>
#include <memory>

#include "app/tools/contour.h"
#include "app/tools/selection_mask.h"
#include "imagelib/dib_alpha.h"

inline constexpr int kNoFeatherRadius = -1;

class CSelectionContour : public CContour {
 public:
  CSelectionContour(COLORREF lineColour, COLORREF secondColour);

  // Mask from `region` (layer-image pixels); without a region nothing is
  // done when `radius` is the cached one. False when no mask could be had.
  bool BuildMask(int radius, int width, int height, const CPolygonRegion* region,
                 const std::function<void(int)>& progress = {});
  // Feathers for `radius` unless it is the cached one and `force` is off.
  void Feather(int radius, bool force);
  CSelectionMask& Mask() { return m_mask; }
  const CSelectionMask& Mask() const { return m_mask; }
  void SetMask(CSelectionMask mask, int featherRadius = kNoFeatherRadius);
  int GetFeatherRadius() const { return m_featherRadius; }

  // The selected pixels (colour and transparency through the mask) into the
  // buffer; pixels past the layer's border come in fully transparent.
  bool CopyToBuffer(CDibAlpha& layerImage);
  // The buffer over the layer with its top-left at `position`.
  bool PasteBuffer(CDibAlpha& layerImage, CPoint position);
  bool IsBufferFilled() const { return m_bufferFilled; }
  bool IsPasted() const { return m_pasted; }
  const CDibAlpha* GetBuffer() const { return m_buffer.get(); }
  CPoint GetBufferPosition() const { return m_bufferPosition; }
  // How far the outline was moved (document units) since the copy: the
  // paste lands that far from where it was copied.
  CSize GetBufferShift() const { return m_bufferShift; }
  CRect GetBufferArea() const;
  // A wand selection replaced the outline.
  void ClearBufferFlags();
  void MarkSelected() { MarkCompleted(); }

 protected:
  void OnNewOutline() override { ClearBufferFlags(); }
  void OnOutlineMoved(CSize documentShift) override;

 private:
  CSelectionMask m_mask;
  int m_featherRadius = kNoFeatherRadius;
  std::unique_ptr<CDibAlpha> m_buffer;
  std::vector<unsigned char> m_bufferMask;
  CPoint m_bufferPosition;
  CSize m_bufferShift;
  bool m_bufferFilled = false;
  bool m_pasted = false;
};
