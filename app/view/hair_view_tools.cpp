#include "app/view/hair_view_tools.h"

#include "app/document/layer.h"
#include "platform/qt/drag_loop.h"

namespace {

class CHairStrokeDrag : public CDragHandler {
 public:
  explicit CHairStrokeDrag(CHairStrokeSession& session) : m_session(session) {}
  void OnDragMove(CPoint point) override { m_session.DragTo(point); }
  // A cancelled drag keeps what it painted, one step like a release.
  void OnDragEnd(CPoint, bool) override { m_session.Release(); }

 private:
  CHairStrokeSession& m_session;
};

}  // namespace

bool RunHairStroke(QWidget& capture, CHairStrokeSession& session, CPoint pressPoint) {
  if (QWidget::mouseGrabber()) return false;
  session.Press(pressPoint);
  CHairStrokeDrag drag(session);
  RunDragLoop(&capture, drag);
  return true;
}

bool CHairViewTools::HairToolPress(CLayer& target, CPoint p) {
  if (!m_view || !m_setup) return false;
  const std::optional<CHairToolSetup> setup = m_setup();
  if (!setup) return false;
  const CHairToolParams params = MakeHairToolParams(setup->tool, setup->controls, LayerScale(target));
  CHairStrokeSession session(m_document, target, params, m_random ? m_random() : nullptr);
  return RunHairStroke(*m_view, session, p);
}
