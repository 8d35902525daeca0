#include "app/view/contour_view_tools.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "app/document/kelvora_doc.h"
#include "app/editing/area_operation.h"
#include "platform/qt/drag_loop.h"
#include "platform/qt/painter_dc.h"

namespace {

constexpr int kMarchIntervalMs = 120;

class CContourLoopRunner : public CContourDragRunner, public CDragHandler {
 public:
  CContourLoopRunner(QWidget& capture, const CContour& contour) : m_capture(capture), m_contour(contour) {}
  bool Run(CContourDrag& drag, CPoint press) override {
    if (QWidget::mouseGrabber()) return false;
    m_drag = &drag;
    drag.Begin(press);
    RunDragLoop(&m_capture, *this);
    m_drag = nullptr;
    return true;
  }
  void OnDragMove(CPoint point) override {
    m_drag->Move(m_contour.ViewToDocument(point));
    m_capture.update();
  }
  void OnDragEnd(CPoint, bool) override {}
  void OnDragKey(int virtualKey, CDragPointer&) override { m_drag->Key(virtualKey, true); }
  void OnDragKeyUp(int virtualKey) override { m_drag->Key(virtualKey, false); }

 private:
  QWidget& m_capture;
  const CContour& m_contour;
  CContourDrag* m_drag = nullptr;
};

int VirtualKeyOf(const QKeyEvent& event) { return VirtualKeyFromQtKey(event.key()); }

}  // namespace

bool CContourViewTools::ActiveToolPress(CPoint p) {
  CContour* active = m_doc.GetActiveTool();
  if (!active || !m_capture) return false;
  CSelectionContour* wand = m_doc.GetSelectionOutline(SelectionTool::wand);
  bool changed = false;
  if (active == wand && !(active->IsMoveArmed() && active->GetHeldKeys() == kContourKeyShift)) {
    const CWandSetup setup = m_wandSetup ? m_wandSetup() : CWandSetup{};
    changed = setup.target && MagicWandSelect(m_doc, *setup.target, *wand, p, setup.pressure, setup.thickness);
  } else {
    CContourLoopRunner runner(*m_capture, *active);
    changed = active->OnButtonDown(runner, p);
  }
  if (changed && m_changed) m_changed();
  m_capture->update();
  return changed;
}

CContourOverlay::CContourOverlay(CKelvoraDoc& document, QWidget* view) : QWidget(view), m_document(document) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  resize(view->size());
  view->installEventFilter(this);
  qApp->installEventFilter(this);
  m_marching.setInterval(kMarchIntervalMs);
  connect(&m_marching, &QTimer::timeout, this, [this] {
    if (!m_document.GetActiveTool()) return;
    ++m_phase;
    update();
  });
  m_marching.start();
}

void CContourOverlay::paintEvent(QPaintEvent*) {
  if (!m_document.GetActiveTool()) return;
  QImage layer(size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  {
    QPainter painter(&layer);
    CPainterDC dc(painter);
    for (const CContour* contour :
         {static_cast<const CContour*>(m_document.GetInitialContour()),
          static_cast<const CContour*>(m_document.GetFinalContour()),
          static_cast<const CContour*>(m_document.GetDeformationArea())})
      if (contour) contour->Draw(dc, m_phase);
    if (m_document.GetActiveTool() == m_document.GetSelectionOutline(SelectionTool::lasso) ||
        m_document.GetActiveTool() == m_document.GetSelectionOutline(SelectionTool::wand))
      m_document.GetActiveTool()->Draw(dc, m_phase);
  }
  QPainter(this).drawImage(0, 0, layer);
}

// Keys go to the active outline wherever the focus is, as the view passed
// them on; a resize of the view keeps the overlay over all of it.
bool CContourOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) resize(parentWidget()->size());
  CContour* active = m_document.GetActiveTool();
  if (!active || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->isAutoRepeat()) return false;
  const bool known = event->type() == QEvent::KeyPress ? active->OnKeyDown(VirtualKeyOf(*key))
                                                       : active->OnKeyUp(VirtualKeyOf(*key));
  if (known) {
    const QPoint at = parentWidget()->mapFromGlobal(QCursor::pos());
    if (std::optional<HCURSOR> cursor = active->SetCursorAt(at.x(), at.y()); cursor && *cursor)
      parentWidget()->setCursor(**cursor);
    else
      parentWidget()->unsetCursor();
  }
  return false;
}
