// The view's rules without the window: which tool or frame a press goes
// to, zooming and panning, the eyedroppers, and keeping photo and make-up
// over each other. The Qt view converts events into these calls.
#pragma once

#include <optional>

#include "app/document/kelvora_doc.h"
#include "app/view/view_cursor.h"
#include "app/view/view_mode.h"
#include "app/view/view_state.h"
#include "app/view/view_tools.h"

class CViewController {
 public:
  CViewController(CKelvoraDoc& document, CViewWindow& window, CViewTools& tools)
      : m_document(document), m_window(window), m_tools(tools) {}

  CViewState& State() { return m_state; }
  const CViewState& State() const { return m_state; }
  void SetMode(const CViewMode& mode) { m_mode = mode; }
  const CViewMode& Mode() const { return m_mode; }
  void SetLayerFramesVisible(bool visible) { m_layerFramesVisible = visible; }
  bool LayerFramesVisible() const { return m_layerFramesVisible; }
  bool OwnColourApplied() const { return m_ownColourApplied; }

  // Mouse presses at a window pixel; true when the view must repaint.
  bool OnLeftButtonDown(CPoint client);
  bool OnRightButtonDown(CPoint client);

  // Keys go to the document's active tool object when there is one. The
  // result says whether the key was taken (and the view must repaint when
  // `repaint` comes back set); an untaken key gets the window's default.
  bool OnKeyDown(int key, int repeats, bool& repaint);
  bool OnKeyUp(int key, bool& repaint);

  // What the pointer shows at a window pixel.
  CViewCursor CursorAt(CPoint client) const;

  // After zoom or scroll changes: clamp and hand the mapping to the document.
  void UpdateMapping();

  // The window calls this after every move of a frame drag: an item layer
  // being dragged is recomposed where it was and where it is now, so the
  // picture follows the mouse under the outline.
  void FrameMoved();

  // The layer the sliders and the hair tools act on: the current layer when
  // an item kind is current, else the photo (photo mode) or the make-up
  // (make-up mode).
  CLayer* TargetLayer() const;
  // The frame the view draws over the picture, and the stretch frame shown
  // with it; null when there is none.
  CQuadTracker* EditedFrame() const;
  CQuadTracker* ShownStretchFrame() const;

 private:
  bool Zoom(CPoint documentPoint, bool in);
  bool PickColour(CPoint documentPoint, bool ownColour);
  // A frame drag limited to the handles the frame accepts; recomposes the
  // union of the rectangles before and after.
  bool DragAndRecompose(CQuadTracker& frame, CLayer* layer, CPoint p, bool rightButton, bool allowSides,
                        bool allowRotate);

  // An item layer's drag in progress: where it was last composed, and the
  // union of everything recomposed since the press.
  struct LiveDrag {
    CLayer* layer;
    CRect shown;
    CRect touched;
  };

  CKelvoraDoc& m_document;
  CViewWindow& m_window;
  CViewTools& m_tools;
  CViewState m_state;
  CViewMode m_mode;
  bool m_layerFramesVisible = true;
  bool m_ownColourApplied = false;
  std::optional<LiveDrag> m_liveDrag;
};
