#include "app/view/document_view_tools.h"

#include <QWidget>

#include "app/view/tracker_drag_handler.h"

CViewMapping CDocumentViewTools::Mapping() const {
  const CProjection* projection = m_document.GetProjection(-1);
  return projection ? projection->FaceFrame().GetViewMapping() : CViewMapping{};
}

bool CDocumentViewTools::RunDrag(CTrackerDrag& drag) {
  QWidget* view = CaptureWidget();
  if (!view || QWidget::mouseGrabber() || !m_pressPoint) return false;
  CTrackerDragHandler handler(drag, m_pressPoint(), [view](CPoint) { view->repaint(); });
  RunDragLoop(view, handler);
  return handler.Changed();
}

bool CDocumentViewTools::FaceRectanglePress(CPoint p) {
  CTrackerDrag* drag = m_face.Press(p, Mapping());
  if (!drag) return false;
  return m_face.Release(RunDrag(*drag));
}

bool CDocumentViewTools::HairStretchPress(CPoint p, bool rightButton) {
  CTrackerDrag* drag = m_stretch.Press(p, rightButton, m_currentKind ? m_currentKind() : -1, Mapping());
  if (!drag) return false;
  return m_stretch.Release(RunDrag(*drag));
}
