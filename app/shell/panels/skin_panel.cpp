#include "app/shell/panels/skin_panel.h"

#include "app/shell/gallery/gallery_commands.h"

#include "controls/zor_dib_list_ctrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include "app/shell/panels/filter_button.h"
#include "app/shell/panels/layer_name_label.h"
#include "app/shell/panels/swatch_list.h"
#include "controls/skin_resources.h"
#include "controls/zor_check_box.h"
#include "controls/zor_color_selecter.h"
#include "controls/zor_custom_filter.h"
#include "controls/zor_slider.h"
#include "controls/zor_static.h"
#include "platform/qt/dialog_template.h"
#include "platform/qt/painter_dc.h"

namespace {

bool Horizontal(DockSide side) { return side == DockSide::Top || side == DockSide::Bottom; }

// A plain Qt control in a placeholder's place, carrying its id so that
// GetDlgItem finds it; the placeholder goes.
template <typename Control>
Control* ReplacePlaceholder(QWidget* item, UINT id, QWidget* parent) {
  auto* control = new Control(parent);
  control->setGeometry(item->geometry());
  control->setProperty(kControlIdProperty, id);
  control->setObjectName(item->objectName());
  control->stackUnder(item);
  control->show();
  item->setProperty(kControlIdProperty, QVariant());
  item->hide();
  item->deleteLater();
  return control;
}

}  // namespace

CSkinPanel::CSkinPanel(const PanelSpec& spec, QWidget* frame) : CWnd(frame), m_spec(spec), m_frame(frame) {
  if (spec.pattern) m_pattern.Load(spec.pattern, GetImageInstance());
  if (spec.extPattern) m_extPattern.Load(spec.extPattern, GetImageInstance());
}

bool CSkinPanel::Create(const PanelTemplateFactory& templates) {
  if (!templates || !templates(m_spec.templateId, this)) return false;
  QSize size = geometry().size();
  if (HasBackground()) {
    if (Horizontal(m_spec.side)) size.setHeight(m_pattern.Height());
    else size.setWidth(m_pattern.Width());
  }
  // Bars keep their depth; they stretch along the side they are docked at.
  if (Horizontal(m_spec.side)) {
    setFixedHeight(size.height());
    setMinimumWidth(HasBackground() ? m_pattern.Width() : size.width());
  } else {
    setFixedWidth(size.width());
    setMinimumHeight(HasBackground() ? m_pattern.Height() : size.height());
  }
  SubclassControls();
  return true;
}

void CSkinPanel::SubclassControls() {
  // Controls whose kinds come later (lists, combo boxes, the colour
  // selecter) keep their places empty until then.
  for (QWidget* item : findChildren<QWidget*>()) {
    UINT id = ::GetDlgCtrlID(item);
    if (!id) continue;
    const std::string caption = DialogItemCaption(item);
    if (caption == "FILTER") {
      (new CFilterButton(this))->SubclassDlgItem(id, this);
    } else if (caption == "COLOR_SELECTER") {
      (new CZORColorSelecter(this))->SubclassDlgItem(id, this);
    } else if (caption == "CUSTOM_FILTER") {
      (new CZORCustomFilter(this))->SubclassDlgItem(id, this);
    } else if (caption == "PALETTE_AUTHOR" || caption == "PALETTE_PROFILE") {
      auto* combo = ReplacePlaceholder<QComboBox>(item, id, this);
      combo->setStyleSheet("QComboBox { color: rgb(235, 235, 235); background: rgb(48, 48, 58);"
                           " border: 1px solid rgb(110, 110, 130); padding: 1px 6px; }"
                           "QComboBox QAbstractItemView { color: rgb(235, 235, 235); background: rgb(48, 48, 58); }");
    } else if (caption == "LAYERNAME_MAKEUP") {
      (new CLayerNameLabel(this))->SubclassDlgItem(id, this);
    } else if (caption == "GALLERYLIST_VERT" && m_spec.templateId == 151) {
      // The make-up swatches: two a line with their colours' names.
      (new CSwatchListCtrl(this))->SubclassDlgItem(id, this, CPoint(4, 4), true, kDibListVertical, 2, false);
    } else if (qobject_cast<QCheckBox*>(item)) {
      (new CZORCheckBox(this))->SubclassDlgItem(id, this);
    } else if (qobject_cast<QPushButton*>(item)) {
      (new CZORButton(this))->SubclassDlgItem(id, this);
    } else if (caption == "BASELIST") {
      // The item list: three thumbnails a line, scrolled up and down.
      (new CZORDibListCtrl(this))->SubclassDlgItem(id, this, CPoint(4, 4), false, kDibListVertical, 3, false);
    } else if (caption == "GALLERYLIST_VERT" && id == kGalleryListVertId) {
      // The gallery panel: two looks a line, several may be chosen at once.
      (new CZORDibListCtrl(this))->SubclassDlgItem(id, this, CPoint(4, 4), false, kDibListVertical, 2, true);
    } else if (caption == "GALLERYLIST_HORZ") {
      (new CZORDibListCtrl(this))->SubclassDlgItem(id, this, CPoint(4, 4), false, 0, 1, true);
    } else if (caption == "TOOL_SET_PRJ" || caption.rfind("LAYERNAME_", 0) == 0) {
      // The projection picture and the layer-name labels show one frame each.
      (new CZORStatic(this))->SubclassDlgItem(id, this);
    } else if (qobject_cast<QSlider*>(item)) {
      // The lit part of the groove is the style's track picture, not a flat colour.
      int options = kSliderNoTrackFill | kSliderActionPicture | (item->width() > item->height() ? kSliderHorizontal : 0);
      (new CZORSlider(this))->SubclassDlgItem(id, this, options);
    } else {
      item->setVisible(false);
    }
  }
}

LRESULT CSkinPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) {
  // Commands and right-button presses of the controls are the frame's.
  if ((message == WM_COMMAND || (g_nBGRButMsg && message == g_nBGRButMsg)) && m_frame)
    return SendMessage(m_frame, message, wParam, lParam, text);
  return CWnd::WindowProc(message, wParam, lParam, text);
}

void CSkinPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (!HasBackground()) return;
  CPainterDC dc(painter);
  const int scale = PictureScale(painter);
  CSize pattern(m_pattern.Width(), m_pattern.Height());
  m_pattern.DrawWithoutStretch(&dc, CPoint(0, 0), pattern, scale);
  if (m_extPattern.IsEmpty() || m_extPattern.Width() <= 0 || m_extPattern.Height() <= 0) {
    // Without an extension picture the pattern's far edge carries on, so a
    // bar longer than its picture never shows bare black.
    if (Horizontal(m_spec.side) && width() > pattern.cx) {
      CRect edge(pattern.cx - 1, 0, pattern.cx, pattern.cy);
      m_pattern.Draw(&dc, CRect(pattern.cx, 0, width(), pattern.cy), edge, scale);
    } else if (!Horizontal(m_spec.side) && height() > pattern.cy) {
      CRect edge(0, pattern.cy - 1, pattern.cx, pattern.cy);
      m_pattern.Draw(&dc, CRect(0, pattern.cy, pattern.cx, height()), edge, scale);
    }
    return;
  }
  CSize ext(m_extPattern.Width(), m_extPattern.Height());
  if (Horizontal(m_spec.side)) {
    for (int x = pattern.cx; x < width(); x += ext.cx) m_extPattern.DrawWithoutStretch(&dc, CPoint(x, 0), ext, scale);
  } else {
    for (int y = pattern.cy; y < height(); y += ext.cy) m_extPattern.DrawWithoutStretch(&dc, CPoint(0, y), ext, scale);
  }
}
