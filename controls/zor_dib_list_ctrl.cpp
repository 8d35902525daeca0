#include "controls/zor_dib_list_ctrl.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <functional>

#include "controls/dib_list_drags.h"
#include "controls/skin_resources.h"
#include "platform/qt/drag_loop.h"
#include "platform/qt/painter_dc.h"

namespace {

constexpr int kCaptionPixelSize = 11;
const QColor kCaptionColour(226, 230, 238);
const QColor kSurfaceColour(0, 0, 0);

CPoint PointOf(const QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  return {at.x(), at.y()};
}

QRect ToQRect(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// Feeds the positions of a drag loop to one of the list's drags.
class ListDrag : public CDragHandler {
 public:
  explicit ListDrag(std::function<void(CPoint)> onMove) : m_onMove(std::move(onMove)) {}
  void OnDragMove(CPoint point) override { m_onMove(point); }
  void OnDragEnd(CPoint, bool) override {}

 private:
  std::function<void(CPoint)> m_onMove;
};

bool LoadSkinPicture(CScaledDib& picture, const std::string& name) {
  return picture.Load(name, GetImageInstance());
}

}  // namespace

CZORDibListCtrl::CZORDibListCtrl(QWidget* parent) : CZORCtrlWnd("ZORDibListCtrl", parent) {
  m_geometry.SetVertical(true);
}

CZORDibListCtrl::~CZORDibListCtrl() { RunOnDestroyOnce(); }

int CZORDibListCtrl::SubclassDlgItem(UINT id, QWidget* parent, CPoint margin, bool showCaptions, unsigned long style,
                                     int itemsPerLine, bool multipleSelection) {
  m_margin = margin;
  m_showCaptions = showCaptions;
  m_geometry.SetVertical(style & kDibListVertical);
  m_geometry.SetItemsPerLine(itemsPerLine);
  m_multipleSelection = multipleSelection;
  return CZORCtrlWnd::SubclassDlgItem(id, parent);
}

void CZORDibListCtrl::PreSubclassWindow() {
  std::string base = GetWindowText();
  if (LoadSkinPicture(m_normalFrame, base + "_NORMAL")) m_geometry.SetItemSize(m_normalFrame.GetSize());
  LoadSkinPicture(m_focusedFrame, base + "_FOCUSED");
  LoadSkinPicture(m_selectedFrame, base + "_SELECTED");
  LoadSkinPicture(m_backFrame, base + "_BACK");
  // The thumb needs its strip; the hand and the active picture need both.
  if (LoadSkinPicture(m_stripBack, base + "_SRLBACK") && LoadSkinPicture(m_thumbPicture, base + "_SRLTHUMB")) {
    m_handCursor = ::LoadCustomCursor("IDC_CUR_HANDCLOSE");
    m_geometry.SetThumbSize(m_thumbPicture.GetSize());
    LoadSkinPicture(m_activeThumbPicture, base + "_SRLTHUMB_ACT");
  }
  LoadCustomCursor();

  // Without a window text the base class finds no "_POS" or "_RGN" for the
  // list: its place and shape are the template's.
  SetWindowText("");
  CZORCtrlWnd::PreSubclassWindow();
  // Tips belong to the items, so the control's own tip stays empty.
  CreateToolTipCtrl();
  SetToolTipText("");

  m_normalFont = font();
  m_normalFont.setPixelSize(kCaptionPixelSize);
  m_normalFont.setWeight(QFont::Normal);
  m_boldFont = m_normalFont;
  m_boldFont.setWeight(QFont::Bold);

  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

CDibListGeometry& CZORDibListCtrl::Layout() const {
  CSize client(width(), height());
  if (client != m_geometry.ClientSize() || m_model.Count() != m_geometry.Count()) {
    m_geometry.SetClientSize(client);
    m_geometry.SetCount(m_model.Count());
    m_geometry.FitThumbToTopLine();
  }
  return m_geometry;
}

void CZORDibListCtrl::AddItem(std::unique_ptr<CDib> picture, const std::string& text, unsigned long data) {
  m_model.Add(std::make_unique<CZORDibListCtrlItem>(std::move(picture), text, data));
  Layout();
  RedrawItem(GetCount() - 1);
  if (GetSafeHwnd()) update(ToQRect(m_geometry.StripRect()));
}

void CZORDibListCtrl::AddItem(const CZORDibListBoxItem* item) {
  if (!item) return;
  AddItem(item->picture ? std::make_unique<CDib>(*item->picture) : nullptr, item->text);
}

void CZORDibListCtrl::ResetContent() {
  m_model.Clear();
  m_geometry.ResetScroll();
  Layout();
  update();
}

void CZORDibListCtrl::DeleteItems() {
  if (!m_model.DeleteSelected()) return;
  m_geometry.ResetScroll();
  Layout();
  update();
}

void CZORDibListCtrl::SetCurSel(int index) { RedrawItems(m_model.SetCurSel(index)); }

void CZORDibListCtrl::SetTopIndex(int line) { ShowScroll(Layout().SetTopIndex(line)); }

void CZORDibListCtrl::GetWorkRect(CRect& rect) const {
  CSize thumb = m_geometry.ThumbSize();
  if (m_geometry.IsVertical()) rect.right -= thumb.cx;
  else rect.bottom -= thumb.cy;
}

void CZORDibListCtrl::CalcWindowRect(CRect* rect, UINT) {
  if (rect) *rect = Layout().CalcWindowRect();
}

void CZORDibListCtrl::RedrawItem(int index) {
  if (index < 0 || !GetSafeHwnd()) return;
  CRect cell;
  if (cell.IntersectRect(Layout().CellRect(index), m_geometry.WorkRect())) update(ToQRect(cell));
}

void CZORDibListCtrl::RedrawItems(const std::vector<int>& indexes) {
  for (int index : indexes) RedrawItem(index);
}

void CZORDibListCtrl::ShowScroll(DibListScroll change) {
  if (change == DibListScroll::TopLine) update();
  else if (change == DibListScroll::Thumb) update(ToQRect(m_geometry.StripRect()));
}

CScaledDib* CZORDibListCtrl::FrameForState(int state) {
  switch (state) {
    case kDibListItemNormal: return &m_normalFrame;
    case kDibListItemHot: return &m_focusedFrame;
    case kDibListItemSelected: return &m_selectedFrame;
    default: return nullptr;
  }
}

void CZORDibListCtrl::DrawItem(QPainter& dc, int index) {
  if (index < 0 || m_memory.isNull()) return;
  CRect cell = Layout().CellRect(index);
  CRect shown;
  if (!shown.IntersectRect(cell, m_geometry.WorkRect())) return;

  CSize itemSize = m_geometry.ItemSize();
  CZORDibListCtrlItem* item = GetItem(index);
  CScaledDib* frame = item ? FrameForState(item->state) : nullptr;
  const int scale = static_cast<int>(m_memory.devicePixelRatio());
  QPainter memory(&m_memory);
  memory.fillRect(QRect(0, 0, itemSize.cx, itemSize.cy), kSurfaceColour);
  CPainterDC memoryDC(memory);
  if (!frame || frame->IsEmpty()) {
    m_backFrame.DrawWithoutStretch(&memoryDC, CPoint(0, 0), itemSize, scale);
  } else {
    frame->DrawWithoutStretch(&memoryDC, CPoint(0, 0), itemSize, scale);
    int side = frame->Width() - 2 * m_margin.x;
    if (item->picture && side > 0)
      item->picture->Stretch(&memoryDC, CRect(m_margin.x, m_margin.y, m_margin.x + side, m_margin.y + side));
    if (m_showCaptions && !item->text.empty()) {
      const QFont& captionFont = CaptionFont(item->state != kDibListItemNormal);
      const QRect caption = CaptionRect();
      QString text = QFontMetrics(captionFont).elidedText(QString::fromStdString(item->text), Qt::ElideRight,
                                                          caption.width());
      memory.setFont(captionFont);
      memory.setPen(kCaptionColour);
      memory.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
  }
  memory.end();
  dc.drawImage(QPoint(cell.left, cell.top), m_memory);
}

QRect CZORDibListCtrl::CaptionRect() const {
  if (m_normalFrame.IsEmpty()) return {};
  const CSize itemSize = m_geometry.ItemSize();
  const int side = m_normalFrame.Width() - 2 * m_margin.x;
  return QRect(m_margin.x, m_margin.y + side, itemSize.cx - 2 * m_margin.x, itemSize.cy - m_margin.y - side);
}

void CZORDibListCtrl::DrawThumb(CDC* dc, bool active, int scale) {
  if (!dc || !HasThumb()) return;
  const CDibListGeometry& geometry = Layout();
  CRect strip = geometry.StripRect();
  bool vertical = geometry.IsVertical();
  int along = vertical ? strip.Height() : strip.Width();
  int tile = vertical ? m_stripBack.Height() : m_stripBack.Width();
  // The strip picture is repeated along the strip, the last copy cut short.
  for (int offset = 0; tile > 0 && offset < along; offset += tile) {
    int length = std::min(tile, along - offset);
    CRect source = vertical ? CRect(0, 0, m_stripBack.Width(), length) : CRect(0, 0, length, m_stripBack.Height());
    CRect dest = source;
    dest.OffsetRect(vertical ? strip.left : strip.left + offset, vertical ? strip.top + offset : strip.top);
    m_stripBack.Draw(dc, dest, source, scale);
  }
  if (!geometry.HasHiddenLines()) return;
  CScaledDib& thumb = active && !m_activeThumbPicture.IsEmpty() ? m_activeThumbPicture : m_thumbPicture;
  thumb.DrawWithoutStretch(dc, geometry.ThumbRect().TopLeft(), thumb.GetSize(), scale);
}

void CZORDibListCtrl::paintEvent(QPaintEvent* event) {
  const CDibListGeometry& geometry = Layout();
  CSize itemSize = geometry.ItemSize();
  QPainter painter(this);
  const int scale = PictureScale(painter);
  if ((m_memory.isNull() || m_memory.devicePixelRatio() != scale) && itemSize.cx > 0 && itemSize.cy > 0) {
    m_memory = QImage(itemSize.cx * scale, itemSize.cy * scale, QImage::Format_RGB32);
    m_memory.setDevicePixelRatio(scale);
  }

  QRect dirty = event->rect();
  painter.setClipRect(ToQRect(geometry.WorkRect()) & dirty);
  for (int index = geometry.FirstVisibleIndex(); index <= geometry.LastVisibleIndex(); ++index)
    if (ToQRect(geometry.CellRect(index)).intersects(dirty)) DrawItem(painter, index);
  painter.setClipping(false);
  CPainterDC dc(painter);
  DrawThumb(&dc, m_thumbDragging, scale);
}

void CZORDibListCtrl::Notify(UINT code) {
  SendMessage(parentWidget(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), LParamFromWindow(this));
}

void CZORDibListCtrl::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::RightButton) {
    if (!hasFocus()) setFocus();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  CPoint at = PointOf(event);
  if (!Layout().WorkRect().PtInRect(at)) {
    if (IsCursorOnThumb(at)) {
      m_thumbDragging = true;
      update(ToQRect(m_geometry.StripRect()));
    }
    return;
  }
  Qt::KeyboardModifiers keys = event->modifiers();
  RedrawItems(m_model.Click(GetItemFromPoint(at), keys & Qt::ControlModifier, keys & Qt::ShiftModifier,
                            m_multipleSelection));
  if (!hasFocus()) setFocus();
  Notify(kDibListNotifyClick);
}

void CZORDibListCtrl::LeaveItems() {
  RedrawItems(m_model.ClearHover());
  m_model.SetToolTipItem(-1);
  SetToolTipText("");
}

void CZORDibListCtrl::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  CPoint at = PointOf(event);
  UpdateCursor(at);
  if (GetCount() == 0) return;
  if (!Layout().WorkRect().PtInRect(at)) {
    LeaveItems();
    if ((event->buttons() & Qt::LeftButton) && m_thumbDragging) TrackThumb(at);
    return;
  }
  if (event->buttons() & Qt::RightButton) {
    LeaveItems();
    Pan(at);
    return;
  }
  int index = GetItemFromPoint(at);
  RedrawItems(m_model.Hover(index));
  if (m_model.Exists(index)) {
    if (index != m_model.ToolTipItem()) {
      SetToolTipText(GetItemToolText(index).c_str());
      m_model.SetToolTipItem(index);
    }
  } else {
    SetToolTipText("");
    m_model.SetToolTipItem(-1);
  }
}

void CZORDibListCtrl::TrackThumb(CPoint start) {
  if (!Layout().HasHiddenLines() || CWnd::GetCapture()) return;
  // The pointer stays on the strip while the thumb is dragged.
  CRect strip = m_geometry.StripRect();
  QPoint corner = mapToGlobal(QPoint(strip.left, strip.top));
  CRect confinement(CPoint(corner.x(), corner.y()), strip.Size());
  ClipCursor(&confinement);
  QPointer<CZORDibListCtrl> alive(this);
  CThumbTracking tracking(m_geometry, start);
  ListDrag drag([this, &tracking](CPoint at) { ShowScroll(tracking.OnMove(at)); });
  RunDragLoop(this, drag, Qt::LeftButton | Qt::RightButton);
  ClipCursor(nullptr);
  if (!alive) return;
  m_thumbDragging = false;
  update(ToQRect(m_geometry.StripRect()));
}

void CZORDibListCtrl::Pan(CPoint start) {
  if (CWnd::GetCapture()) return;
  CPanning panning(Layout(), start);
  ListDrag drag([this, &panning](CPoint at) { ShowScroll(panning.OnMove(at)); });
  RunDragLoop(this, drag, Qt::LeftButton | Qt::RightButton);
}

void CZORDibListCtrl::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton && m_thumbDragging) {
    m_thumbDragging = false;
    update(ToQRect(m_geometry.StripRect()));
  }
}

void CZORDibListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  // The press of the second click arrives as this event alone: it selects
  // nothing more, as the first click already did.
  event->accept();
  if (event->button() == Qt::LeftButton) Notify(kDibListNotifyDoubleClick);
}

void CZORDibListCtrl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    DeleteItems();
    event->accept();
    return;
  }
  CZORCtrlWnd::keyPressEvent(event);
}

void CZORDibListCtrl::OnBGMsg(WPARAM wParam, LPARAM lParam) {
  if (wParam == static_cast<WPARAM>(HoverChange::Left)) RedrawItems(m_model.ClearHover());
  CZORCtrlWnd::OnBGMsg(wParam, lParam);
}

void CZORDibListCtrl::UpdateCursor(CPoint point) {
  if (!GetCursor()) return;
  if (m_model.Exists(GetItemFromPoint(point))) setCursor(*GetCursor());
  else if (m_handCursor && IsCursorOnThumb(point)) setCursor(*m_handCursor);
  else setCursor(Qt::ArrowCursor);
}
