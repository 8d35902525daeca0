// The hair stretching tool: a stretch frame laid over part of the current
// item layer. The left button places the frame; the right button drags one
// of its corners or sides and stretches the layer pixels that were under it
// into the new rectangle. The stretch is one "Deform" step on the layer, and
// the frame's own step is renamed "Deform" too: Undo pairs the two by name
// (undo_routing.h), so one Undo restores pixels and frame together.
//
// Stretching works on image pixels, so the frame must lie square on the
// layer's image: a frame turned differently from the layer maps to no
// rectangle and never stretches.
#pragma once

#include <memory>

#include "app/document/kelvora_doc.h"
#include "app/tools/tracker_drags.h"

// The stretch frame as a rectangle of the layer's image pixels; empty when
// the two are turned differently.
CRect MapStretchFrameToLayer(const CLayer& layer, const CQuadTracker& stretch);

// Pastes the pixels of `from` scaled into `to` (image rectangles of the
// layer's image) as one "Deform" step that covers both; renames the stretch
// frame's newest step "Deform". Returns the document rectangle to recompose,
// or an empty one when nothing was stretched.
CRect StretchLayerPixels(CLayer& layer, CQuadTracker& stretch, const CRect& from, const CRect& to);

class CHairStretchTool {
 public:
  explicit CHairStretchTool(CKelvoraDoc& document) : m_document(document) {}

  // The drag a press at document point `p` starts on the stretch frame of
  // item kind `kind` (any item slot, with a layer in it), with the view's
  // mapping given to the frame; null when nothing happens there.
  CTrackerDrag* Press(CPoint p, bool rightButton, int kind, const CViewMapping& mapping);
  // After the drag ended, with what its End returned. The right button then
  // stretches the pixels (recomposing the layer's rectangle). True when
  // anything changed.
  bool Release(bool dragChanged);

 private:
  CKelvoraDoc& m_document;
  std::unique_ptr<CTrackerDrag> m_drag;
  CLayer* m_layer = nullptr;
  CQuadTracker* m_stretch = nullptr;
  bool m_rightButton = false;
  CRect m_from;  // the frame in image pixels at the press (right button)
};
