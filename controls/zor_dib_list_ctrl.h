// CZORDibListCtrl ("ZORDibListCtrl"): the skinned list of picture
// thumbnails the user picks items, gallery photos and the like from. Each
// cell is a frame picture from the skin ("_NORMAL", "_FOCUSED" under the
// pointer, "_SELECTED", "_BACK" for empty cells) with the item's picture
// stretched into it and an optional caption; the list scrolls along one
// axis with a skinned thumb ("_SRLBACK", "_SRLTHUMB", "_SRLTHUMB_ACT"),
// dragged with the left button, or by panning with the right button held.
// Delete removes the selected items.
//
// The parent hears WM_COMMAND (id, code) with the list as the control:
// code 1 after every left press on the cells, once the selection is
// updated, and code 2 after a left double click. Deleting sends nothing.
//
// Selection and hover live in CDibListModel, the layout and scrolling in
// CDibListGeometry and the drags in CThumbTracking and CPanning; this
// class paints and routes events. The program derives its own lists,
// drawing cells, the thumb and tooltips its own way.
#pragma once

#include <QFont>
#include <QImage>

#include <memory>
#include <string>

#include "controls/dib_list_geometry.h"
#include "controls/dib_list_model.h"
#include "controls/scaled_picture.h"
#include "controls/zor_ctrl_wnd.h"
#include "imagelib/dib.h"

inline constexpr UINT kDibListNotifyClick = 1;
inline constexpr UINT kDibListNotifyDoubleClick = 2;

class CZORDibListCtrl : public CZORCtrlWnd {
 public:
  explicit CZORDibListCtrl(QWidget* parent = nullptr);
  ~CZORDibListCtrl() override;

  // `margin` places the picture inside a cell; `style` with
  // kDibListVertical set makes a vertical list; `itemsPerLine` is taken
  // when above 0.
  int SubclassDlgItem(UINT id, QWidget* parent, CPoint margin, bool showCaptions, unsigned long style,
                      int itemsPerLine, bool multipleSelection);
  // A vertical list, one item per line, single selection, no captions.
  int SubclassDlgItem(UINT id, QWidget* parent) override { return CZORCtrlWnd::SubclassDlgItem(id, parent); }

  // The list owns the picture, which may be null.
  void AddItem(std::unique_ptr<CDib> picture, const std::string& text, unsigned long data = 0);
  // Adds a copy of the item's picture with its text, so that the caller's
  // item stays whole and each deletes only its own picture. Nothing for null.
  void AddItem(const CZORDibListBoxItem* item);
  void DeleteItems();
  virtual void ResetContent();
  int GetCount() const { return m_model.Count(); }
  // Null out of range.
  CZORDibListCtrlItem* GetItem(int index) const { return m_model.Item(index); }

  void SetCurSel(int index);
  int GetCurSel() const { return m_model.CurSel(); }
  // In the order the items were selected; owned by the list.
  const CWordArray* GetSelItems() const { return &m_model.Selection(); }
  int GetSelCount() const { return static_cast<int>(m_model.Selection().size()); }

  int GetTopIndex() const { return Layout().TopLine(); }
  void SetTopIndex(int line);
  CSize GetVisibleRange() const { return Layout().VisibleRange(); }
  int GetItemFromPoint(CPoint point) const { return Layout().ItemFromPoint(point); }
  // Takes the strip off the given (client) rectangle.
  void GetWorkRect(CRect& rect) const;
  bool IsCursorOnThumb(CPoint point) const { return HasThumb() && Layout().IsOnThumb(point); }
  // The size that shows whole cells along the axis and the strip, at (0, 0).
  virtual void CalcWindowRect(CRect* rect, UINT adjustType = 0);

  void RedrawItem(int index);
  // Draws one cell: composed in the cell-sized surface, then copied. At
  // the painter's density: on a screen of twice the density the surface
  // and the frames are double and the captions set at that density.
  virtual void DrawItem(QPainter& dc, int index);
  // The strip and, when there are lines out of view, the thumb, from the
  // pictures of `scale` (1 or 2).
  virtual void DrawThumb(CDC* dc, bool active, int scale = 1);
  virtual std::string GetItemToolText(int index) { return {}; }

  // Where a cell's caption goes, in the cell: under the picture, as wide as
  // the picture's margins leave; empty without a normal frame.
  QRect CaptionRect() const;
  // The caption's font for the normal state, bold otherwise.
  const QFont& CaptionFont(bool bold) const { return bold ? m_boldFont : m_normalFont; }

  const CDibListGeometry& Geometry() const { return Layout(); }
  const CDibListModel& Model() const { return m_model; }
  bool HasThumb() const { return !m_thumbPicture.IsEmpty(); }
  bool IsThumbDragging() const { return m_thumbDragging; }

 protected:
  void PreSubclassWindow() override;
  void OnBGMsg(WPARAM wParam, LPARAM lParam) override;

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  CPoint Margin() const { return m_margin; }
  bool ShowsCaptions() const { return m_showCaptions; }

 private:
  // The geometry brought up to the window's size and the item count.
  CDibListGeometry& Layout() const;
  void RedrawItems(const std::vector<int>& indexes);
  void ShowScroll(DibListScroll change);
  void LeaveItems();
  void UpdateCursor(CPoint point);
  void TrackThumb(CPoint start);
  void Pan(CPoint start);
  void Notify(UINT code);
  CScaledDib* FrameForState(int state);

  CPoint m_margin;
  bool m_showCaptions = false;
  bool m_multipleSelection = false;
  bool m_thumbDragging = false;
  CDibListModel m_model;
  mutable CDibListGeometry m_geometry;

  CScaledDib m_normalFrame;
  CScaledDib m_selectedFrame;
  CScaledDib m_focusedFrame;
  CScaledDib m_backFrame;
  CScaledDib m_stripBack;
  CScaledDib m_thumbPicture;
  CScaledDib m_activeThumbPicture;
  HCURSOR m_handCursor;
  QFont m_normalFont;
  QFont m_boldFont;
  QImage m_memory;
};
