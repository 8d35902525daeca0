// The view's tools object in the program: the hair tools (CHairViewTools)
// plus the face-rectangle and hair stretching tools, whose drags run in the
// view's drag loop. Their logic is the Qt-free CFaceRectangleTool and
// CHairStretchTool; this only captures the mouse and forwards positions.
#pragma once

#include <functional>

#include "app/editing/face_rectangle_tool.h"
#include "app/editing/hair_stretch_tool.h"
#include "app/view/hair_view_tools.h"

class CDocumentViewTools : public CHairViewTools {
 public:
  explicit CDocumentViewTools(CKelvoraDoc& document)
      : CHairViewTools(document), m_document(document), m_face(document), m_stretch(document) {}

  // Where the press was in window pixels, and the item kind current: asked
  // at every press.
  void SetPressSource(std::function<CPoint()> pressPoint, std::function<int()> currentKind) {
    m_pressPoint = std::move(pressPoint);
    m_currentKind = std::move(currentKind);
  }

  bool FaceRectanglePress(CPoint p) override;
  bool HairStretchPress(CPoint p, bool rightButton) override;

 private:
  // Runs `drag` in the loop; returns what its End said.
  bool RunDrag(CTrackerDrag& drag);
  CViewMapping Mapping() const;

  CKelvoraDoc& m_document;
  CFaceRectangleTool m_face;
  CHairStretchTool m_stretch;
  std::function<CPoint()> m_pressPoint;
  std::function<int()> m_currentKind;
};
