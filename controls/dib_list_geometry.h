// The layout and scroll arithmetic of the thumbnail list, free of any
// window. The list is a grid of equal cells that scrolls along one axis: a
// vertical list shows rows of `ItemsPerLine` cells with its scroll strip on
// the right, a horizontal one columns of cells with the strip at the bottom.
// A "line" is a row (vertical) or a column (horizontal) of cells.
//
// The quantities, along the scrolling axis: A the work area's extent, E a
// cell's, v = A / E whole lines in view, T lines in all (a partly filled
// last line counts), L = A - thumb extent the thumb's travel, and
// r = (T - v) / L lines per pixel of travel. The thumb's position and the
// top line follow each other through r: top = trunc(position * r + 0.5),
// position = trunc(top / r).
#pragma once

#include "platform/core/geometry.h"

// The style bit of a vertical list.
inline constexpr unsigned long kDibListVertical = 2;

// What a scrolling step changed: nothing, only the thumb, or the top line
// (and so every cell).
enum class DibListScroll { None, Thumb, TopLine };

class CDibListGeometry {
 public:
  void SetClientSize(CSize size) { m_client = size; }
  void SetItemSize(CSize size) { m_item = size; }
  void SetThumbSize(CSize size) { m_thumb = size; }
  void SetVertical(bool vertical) { m_vertical = vertical; }
  // Values below 1 are ignored.
  void SetItemsPerLine(int count) {
    if (count > 0) m_itemsPerLine = count;
  }
  void SetCount(int count) { m_count = count > 0 ? count : 0; }

  bool IsVertical() const { return m_vertical; }
  CSize ClientSize() const { return m_client; }
  CSize ItemSize() const { return m_item; }
  CSize ThumbSize() const { return m_thumb; }
  int ItemsPerLine() const { return m_itemsPerLine; }
  int Count() const { return m_count; }

  // The client area less the scroll strip.
  CRect WorkRect() const;
  int AlongExtent() const;
  int ItemExtent() const { return m_vertical ? m_item.cy : m_item.cx; }
  int VisibleLines() const;
  int TotalLines() const;
  int TrackLength() const;
  double Ratio() const;
  // Whether there is anything to scroll: only then is the thumb shown and
  // can it be dragged.
  bool HasHiddenLines() const { return TotalLines() > VisibleLines(); }
  // The thumb travel that moves the list by one line, L / (T - v).
  double ThumbStep() const;

  int TopLine() const { return m_topLine; }
  int ThumbPosition() const { return m_thumbPosition; }

  // Where item `index` is drawn for the current top line; it may lie
  // outside the work area.
  CRect CellRect(int index) const;
  // The item index under a point of the work area, or -1. The result may
  // lie past the last item; callers compare it with the count.
  int ItemFromPoint(CPoint point) const;
  // The indexes of the first and last cells the work area shows, partly
  // shown ones included; last < first when it shows none.
  int FirstVisibleIndex() const { return m_topLine * m_itemsPerLine; }
  int LastVisibleIndex() const;

  CRect StripRect() const;
  CRect ThumbRect() const;
  bool IsOnThumb(CPoint point) const { return HasHiddenLines() && ThumbRect().PtInRect(point); }

  // (columns, v) for a vertical list, (v, rows) for a horizontal one.
  CSize VisibleRange() const;
  // The window size that shows whole cells along the axis and the strip.
  CRect CalcWindowRect() const;

  // Moves the thumb to `position` (clamped to the track) and the top line
  // with it.
  DibListScroll UpdateScroll(int position);
  // Scrolls so that `line` is on top. Lines from 0 to below the item count
  // are taken; the thumb decides where the list lands.
  DibListScroll SetTopIndex(int line);
  // One line up or down during panning.
  DibListScroll ScrollToLine(int line);
  // Back to the first line.
  void ResetScroll() { m_topLine = m_thumbPosition = 0; }
  // After the count or the window size changed: the top line stays where
  // it can and the thumb moves to where that line now belongs.
  void FitThumbToTopLine();

 private:
  int ThumbForLine(int line) const;
  int LineForThumb(int position) const;

  CSize m_client;
  CSize m_item;
  CSize m_thumb;
  bool m_vertical = true;
  int m_itemsPerLine = 1;
  int m_count = 0;
  int m_topLine = 0;
  int m_thumbPosition = 0;
};
