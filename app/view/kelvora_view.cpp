// The view's window: surfaces, painting, and Qt's events handed to the
// controller. Painting never composes; it stretches the composed surface
// with nearest pixels and draws the edited frame over it on an off-screen
// image (XOR drawing needs an image-backed painter).
#include "app/view/kelvora_view.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "app/document/cross_dissolve.h"
#include "app/document/layer_reframe.h"
#include "app/view/drop_rule.h"
#include "app/view/tracker_drag_handler.h"
#include "app/view/key_point_tooltips.h"
#include "app/resources/program_cursors.h"
#include "platform/core/resource_module.h"
#include "controls/skin_resources.h"
#include "platform/qt/drag_loop.h"
#include "platform/qt/painter_dc.h"

namespace {

CPoint ToCPoint(const QPoint& p) { return {p.x(), p.y()}; }

class CPanDrag : public CDragHandler {
 public:
  CPanDrag(CViewController& controller, QWidget& view, CPoint start)
      : m_controller(controller), m_view(view), m_last(start) {}
  void OnDragMove(CPoint p) override {
    if (!m_controller.State().Pan(p.x - m_last.x, p.y - m_last.y)) return;
    m_last = p;
    m_dragged = true;
    m_controller.UpdateMapping();
    m_view.repaint();
  }
  void OnDragEnd(CPoint, bool) override {}
  bool Dragged() const { return m_dragged; }

 private:
  CViewController& m_controller;
  QWidget& m_view;
  CPoint m_last;
  bool m_dragged = false;
};

QImage WrapSurface(const CRasterDC& surface) {
  return QImage(reinterpret_cast<const uchar*>(surface.Pixels()), surface.Width(), surface.Height(),
                surface.Width() * 4, QImage::Format_RGBX8888);
}

void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    if (entry.IsSeparator()) {
      menu.addSeparator();
    } else if (!entry.subMenu.empty()) {
      AddEntries(*menu.addMenu(QString::fromStdString(entry.text)), entry.subMenu);
    } else {
      QAction* action = menu.addAction(QString::fromStdString(entry.text));
      action->setData(entry.command);
      action->setCheckable(entry.checked);
      action->setChecked(entry.checked);
      action->setEnabled(entry.enabled);
    }
  }
}

}  // namespace

CKelvoraView::CKelvoraView(CKelvoraDoc& document, CViewTools& tools, QWidget* parent)
    : CWnd(parent), m_document(document), m_controller(document, *this, tools) {
  SetWindowClassName("KelvoraView");
  setAcceptDrops(true);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the view never erases itself
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  m_clock.start();
  // Zoom, eyedropper, comb, snippers, brush, spray: ViewToolCursor's order.
  const unsigned toolCursorIds[] = {kZoomCursorId,     kEyedropperCursorId, kCombCursorId,
                                    kSnippersCursorId, kBrushCursorId,      kSprayCursorId};
  for (std::size_t i = 0; i < m_toolCursors.size(); ++i)
    m_toolCursors[i] = LoadCustomCursor(MakeIntResource(toolCursorIds[i]));
  m_handCursor = LoadCustomCursor(MakeIntResource(kHandCursorId));
  m_menuRunner = [this](const std::vector<MenuEntry>& entries, QPoint at) -> UINT {
    QMenu menu(this);
    AddEntries(menu, entries);
    QAction* chosen = menu.exec(mapToGlobal(at));
    return chosen ? chosen->data().toUInt() : 0;
  };
}

CKelvoraView::~CKelvoraView() { KillTimer(kAdjustmentTimerId); }

void CKelvoraView::OnInitialUpdate(CSize screen) {
  if (!HasTimer(kAdjustmentTimerId)) SetTimer(kAdjustmentTimerId, kAdjustmentTimerPeriodMs);
  m_controller.State().SetScreenSize(screen);
  m_controller.State().SetClientSize(ClientSize());
  m_composed = std::make_unique<CRasterDC>(screen.cx, screen.cy);
  m_background.Create(screen, 0x000000UL);
  CDib texture;
  if (texture.LoadFromResource("IDB_VIEW_TEXTURE", "", GetImageInstance())) m_background.Fill_Texture(&texture);
  m_controller.UpdateMapping();
  m_document.ComposeToView(m_composed.get(), CRect(0, 0, screen.cx, screen.cy), true);
  update();
}

void CKelvoraView::resizeEvent(QResizeEvent*) {
  m_controller.State().SetClientSize(ClientSize());
  m_controller.UpdateMapping();
}

void CKelvoraView::paintEvent(QPaintEvent*) {
  QImage client(width(), height(), QImage::Format_RGB32);
  client.fill(Qt::black);
  if (m_composed) {
    QPainter painter(&client);
    const CRect source = m_controller.State().VisibleDocumentRect();
    painter.drawImage(QRect(0, 0, width(), height()), WrapSurface(*m_composed),
                      QRect(source.left, source.top, source.Width(), source.Height()));
  }
  if (!m_dissolveFrame.isNull()) {
    const CViewState& state = m_controller.State();
    const CRect at = DissolveWindowRect(m_dissolveArea, state.Scroll().x, state.Scroll().y, state.Zoom());
    QPainter(&client).drawImage(QRect(at.left, at.top, at.Width(), at.Height()), m_dissolveFrame);
  } else {
    DrawEditedFrames(client);
  }
  QPainter(this).drawImage(0, 0, client);
}

void CKelvoraView::ShowDissolveFrame(CDib& frame, const CRect& area) {
  QImage picture(frame.Width(), frame.Height(), QImage::Format_RGB32);
  unsigned char* bits = frame.LockBits();
  if (!bits) return;
  for (int y = 0; y < frame.Height(); ++y) {
    const unsigned char* row = bits + static_cast<std::size_t>(frame.Height() - 1 - y) * frame.RowLength();
    auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < frame.Width(); ++x) out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
  }
  frame.UnlockBits();
  m_dissolveFrame = picture;
  m_dissolveArea = area;
  repaint();
  m_dissolveFrame = QImage();
}

void CKelvoraView::DrawEditedFrames(QImage& target) {
  const CViewState& state = m_controller.State();
  QPainter painter(&target);
  CPainterDC dc(painter);
  const int x = state.Scroll().x, y = state.Scroll().y;
  for (CQuadTracker* frame : {m_controller.EditedFrame(), m_controller.ShownStretchFrame()})
    if (frame) frame->DrawInView(dc, state.Zoom(), x, y, false);
  if (!m_controller.Mode().edit.faceRectangleTool) return;
  const int index = m_document.GetProjectionIndex(-1);
  CProjection* projection = m_document.GetProjection(index);
  if (!projection) return;
  const ProjectionHandles handles = HandlesOfProjection(index);
  if (handles.eyesLine) projection->EyesLine().DrawInView(dc, state.Zoom(), x, y);
  if (handles.lipsLine) projection->LipsLine().DrawInView(dc, state.Zoom(), x, y);
  if (handles.underarmLine) projection->UnderarmLine().DrawInView(dc, state.Zoom(), x, y);
}

// The drag runs on the frame itself; the right button drags a copy of a
// layer's frame instead, and the layer is then re-framed to it (the picture
// keeps its scale, the frame crops or extends it).
bool CKelvoraView::DragFrame(CQuadTracker& frame, CPoint, int hit, bool rightButton) {
  const CViewState& state = m_controller.State();
  if (rightButton) {
    auto* layer = dynamic_cast<CLayer*>(&frame);
    if (!layer) return false;
    CQuadTracker copy(frame);
    copy.SetViewMapping(state.Scroll().x, state.Scroll().y, state.Zoom());
    std::unique_ptr<CQuadDrag> drag = MakeQuadDrag(copy, hit);
    if (!drag) return false;
    CTrackerDragHandler handler(*drag, m_pressPoint, [this](CPoint) { update(); });
    RunDragLoop(this, handler);
    if (!handler.Changed() || copy.GetSize() == frame.GetSize()) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool reframed = ReframeLayer(*layer, copy);
    QApplication::restoreOverrideCursor();
    return reframed;
  }
  frame.SetViewMapping(state.Scroll().x, state.Scroll().y, state.Zoom());
  std::unique_ptr<CQuadDrag> drag = MakeQuadDrag(frame, hit);
  if (!drag) return false;
  // While turning, the curved arrow follows the pointer round the frame.
  const bool rotating = hit == CQuadTracker::kHitNothing;
  CTrackerDragHandler handler(*drag, m_pressPoint, [this, &frame, rotating](CPoint p) {
    if (rotating)
      if (const CTrackerCursor cursor = frame.SetRotateCursor(p.x, p.y); cursor.cursor) setCursor(*cursor.cursor);
    m_controller.FrameMoved();
    repaint();
  });
  RunDragLoop(this, handler);
  return handler.Changed();
}

bool CKelvoraView::Pan(CPoint clientPoint) {
  CPanDrag pan(m_controller, *this, clientPoint);
  if (m_handCursor) QApplication::setOverrideCursor(*m_handCursor);
  RunDragLoop(this, pan, Qt::LeftButton | Qt::RightButton);
  if (m_handCursor) QApplication::restoreOverrideCursor();
  return pan.Dragged();
}

void CKelvoraView::ShowContextMenu(CPoint clientPoint) {
  const std::vector<MenuEntry> entries =
      BuildViewContextMenu(m_document, m_controller.Mode(), m_controller.LayerFramesVisible());
  if (entries.empty() || !m_menuRunner) return;
  if (UINT command = m_menuRunner(entries, QPoint(clientPoint.x, clientPoint.y))) OnCommand(command, 0, nullptr);
}

void CKelvoraView::OnCommand(UINT id, UINT, HWND) {
  if (id == ID_TOGGLE_LAYER_FRAMES) {
    m_controller.SetLayerFramesVisible(!m_controller.LayerFramesVisible());
    update();
    if (m_commandSink) m_commandSink(id);  // the frame keeps the setting
  } else if (id == ID_CLAMP_VIEW) {
    m_controller.UpdateMapping();
    update();
  } else if (m_commandSink) {
    m_commandSink(id);
  }
}

void CKelvoraView::OnSliderMoved() { m_sliderPause.OnSliderMoved(m_clock.elapsed()); }

void CKelvoraView::OnTimer(UINT id) {
  if (id == kAdjustmentTimerId) ApplySlidersIfDue(m_clock.elapsed());
}

void CKelvoraView::ApplySlidersIfDue(long long nowMs) {
  if (!m_sliderPause.TakeDue(nowMs) || !m_sliders) return;
  CLayer* target = m_controller.TargetLayer();
  if (!target) return;
  const int kind = m_controller.Mode().edit.currentKind;
  ApplySliders(*target, kind >= 0, kind, m_sliders(), m_filterColours);
  m_document.UpdateView(target->GetBoundingRect());
}

void CKelvoraView::mousePressEvent(QMouseEvent* event) {
  const CPoint point = ToCPoint(event->position().toPoint());
  m_pressPoint = point;
  bool changed = false;
  if (event->button() == Qt::LeftButton) changed = m_controller.OnLeftButtonDown(point);
  else if (event->button() == Qt::RightButton) changed = m_controller.OnRightButtonDown(point);
  if (changed) update();
}

void CKelvoraView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// With the face-rectangle tool armed, the handle under the pointer names
// where it belongs; otherwise there is no tooltip.
void CKelvoraView::mouseMoveEvent(QMouseEvent* event) {
  const CViewMode& mode = m_controller.Mode();
  unsigned tip = 0;
  if (mode.edit.faceRectangleTool && !mode.zoomTool) {
    const int index = m_document.GetProjectionIndex(-1);
    if (const CProjection* projection = m_document.GetProjection(index))
      tip = KeyPointTooltipAt(*projection, index,
                              m_controller.State().ClientToDocument(ToCPoint(event->position().toPoint())));
  }
  setToolTip(tip ? QString::fromStdString(LoadResourceString(tip)) : QString());
  UpdateCursor(ToCPoint(event->position().toPoint()));
}

void CKelvoraView::UpdateCursor(CPoint client) {
  const CViewCursor choice = m_controller.CursorAt(client);
  switch (choice.kind) {
    case CViewCursor::Kind::arrow: unsetCursor(); break;
    case CViewCursor::Kind::unchanged:
    case CViewCursor::Kind::activeTool: break;
    case CViewCursor::Kind::tool:
      if (const HCURSOR& cursor = m_toolCursors[static_cast<std::size_t>(choice.tool)]) setCursor(*cursor);
      else unsetCursor();
      break;
    case CViewCursor::Kind::tracker:
      // A frame without its own resize or move cursor shows the arrow.
      if (choice.tracker.cursor) setCursor(*choice.tracker.cursor);
      else unsetCursor();
      break;
  }
}

void CKelvoraView::keyPressEvent(QKeyEvent* event) {
  bool repaint = false;
  if (!m_controller.OnKeyDown(VirtualKeyFromQtKey(event->key()), event->isAutoRepeat() ? 1 : 0, repaint)) {
    CWnd::keyPressEvent(event);
    return;
  }
  event->accept();
  if (repaint) update();
}

void CKelvoraView::keyReleaseEvent(QKeyEvent* event) {
  bool repaint = false;
  if (!m_controller.OnKeyUp(VirtualKeyFromQtKey(event->key()), repaint)) {
    CWnd::keyReleaseEvent(event);
    return;
  }
  event->accept();
  if (repaint) update();
}

namespace {

std::vector<std::string> DroppedPaths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) paths.push_back(url.toLocalFile().toStdString());
  return paths;
}

}  // namespace

void CKelvoraView::dragEnterEvent(QDragEnterEvent* event) {
  if (AcceptedDropPath(DroppedPaths(event->mimeData()))) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void CKelvoraView::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptedDropPath(DroppedPaths(event->mimeData()))) event->acceptProposedAction();
  else event->ignore();
}

bool CKelvoraView::DropFiles(const std::vector<std::string>& paths) {
  const std::optional<std::string> path = AcceptedDropPath(paths);
  return path && m_dropHandler && m_dropHandler(*path);
}

void CKelvoraView::dropEvent(QDropEvent* event) {
  if (!DropFiles(DroppedPaths(event->mimeData()))) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}
