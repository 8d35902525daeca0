#include "controls/dib_list_geometry.h"

#include <algorithm>
#include <cmath>

// A partly filled last line is a line: rounding count / per-line to the
// nearest would drop it whenever fewer than half its cells are used (seven
// items in three columns would make two lines), and its items could never
// be scrolled into view.
//
// Every division by a size or by r is guarded: a skin without pictures has
// cells of no size, a thumb taller than the list leaves no travel, and a list
// whose lines all fit has nothing to divide by.

CRect CDibListGeometry::WorkRect() const {
  CSize work = m_vertical ? CSize(m_client.cx - m_thumb.cx, m_client.cy) : CSize(m_client.cx, m_client.cy - m_thumb.cy);
  return CRect(0, 0, std::max(0, work.cx), std::max(0, work.cy));
}

int CDibListGeometry::AlongExtent() const {
  CRect work = WorkRect();
  return m_vertical ? work.Height() : work.Width();
}

int CDibListGeometry::VisibleLines() const {
  int extent = ItemExtent();
  return extent > 0 ? AlongExtent() / extent : 0;
}

int CDibListGeometry::TotalLines() const { return (m_count + m_itemsPerLine - 1) / m_itemsPerLine; }

int CDibListGeometry::TrackLength() const { return AlongExtent() - (m_vertical ? m_thumb.cy : m_thumb.cx); }

double CDibListGeometry::Ratio() const {
  int track = TrackLength();
  return track > 0 ? static_cast<double>(TotalLines() - VisibleLines()) / track : 0.0;
}

double CDibListGeometry::ThumbStep() const {
  int hidden = TotalLines() - VisibleLines();
  return hidden > 0 ? static_cast<double>(TrackLength()) / hidden : 0.0;
}

CRect CDibListGeometry::CellRect(int index) const {
  int line = index / m_itemsPerLine;
  int across = index - m_itemsPerLine * line;
  int along = line - m_topLine;
  if (m_vertical) return CRect(CPoint(across * m_item.cx, along * m_item.cy), m_item);
  return CRect(CPoint(along * m_item.cx, across * m_item.cy), m_item);
}

int CDibListGeometry::ItemFromPoint(CPoint point) const {
  // Right and bottom edges are outside, as for every rectangle here, and so
  // is the space past the last cell of a line: either would otherwise name
  // the first item of the next line.
  if (!WorkRect().PtInRect(point) || m_item.cx <= 0 || m_item.cy <= 0) return -1;
  int along = m_vertical ? point.y / m_item.cy : point.x / m_item.cx;
  int across = m_vertical ? point.x / m_item.cx : point.y / m_item.cy;
  if (across >= m_itemsPerLine) return -1;
  return (along + m_topLine) * m_itemsPerLine + across;
}

int CDibListGeometry::LastVisibleIndex() const {
  int extent = ItemExtent();
  if (extent <= 0) return FirstVisibleIndex() - 1;
  int shownLines = (AlongExtent() + extent - 1) / extent;
  return (m_topLine + shownLines) * m_itemsPerLine - 1;
}

CRect CDibListGeometry::StripRect() const {
  int along = AlongExtent();
  if (m_vertical) return CRect(CPoint(m_itemsPerLine * m_item.cx, 0), CSize(m_thumb.cx, along));
  return CRect(CPoint(0, m_itemsPerLine * m_item.cy), CSize(along, m_thumb.cy));
}

CRect CDibListGeometry::ThumbRect() const {
  if (m_vertical) return CRect(CPoint(m_itemsPerLine * m_item.cx, m_thumbPosition), m_thumb);
  return CRect(CPoint(m_thumbPosition, m_itemsPerLine * m_item.cy), m_thumb);
}

CSize CDibListGeometry::VisibleRange() const {
  return m_vertical ? CSize(m_itemsPerLine, VisibleLines()) : CSize(VisibleLines(), m_itemsPerLine);
}

CRect CDibListGeometry::CalcWindowRect() const {
  int extent = ItemExtent();
  int along = AlongExtent();
  // Whole cells along the axis, at least one; a skin without cells keeps
  // the size it has.
  if (extent > 0) along = along < extent ? extent : along / extent * extent;
  if (m_vertical) return CRect(0, 0, m_item.cx * m_itemsPerLine + m_thumb.cx, along);
  return CRect(0, 0, along, m_item.cy * m_itemsPerLine + m_thumb.cy);
}

int CDibListGeometry::ThumbForLine(int line) const {
  double ratio = Ratio();
  if (ratio <= 0) return 0;
  // Capped just past the track so that the int conversion cannot overflow;
  // anything past the track is clamped to its end anyway.
  return static_cast<int>(std::min(line / ratio, TrackLength() + 1.0));
}

int CDibListGeometry::LineForThumb(int position) const {
  return std::max(0, static_cast<int>(position * Ratio() + 0.5));
}

DibListScroll CDibListGeometry::UpdateScroll(int position) {
  position = std::clamp(position, 0, std::max(0, TrackLength()));
  if (position == m_thumbPosition) return DibListScroll::None;
  m_thumbPosition = position;
  int top = LineForThumb(position);
  if (top == m_topLine) return DibListScroll::Thumb;
  m_topLine = top;
  return DibListScroll::TopLine;
}

DibListScroll CDibListGeometry::SetTopIndex(int line) {
  if (line < 0 || line >= m_count || line == m_topLine) return DibListScroll::None;
  // With every line in view there is nothing to scroll to.
  if (!HasHiddenLines()) return DibListScroll::None;
  return ScrollToLine(line);
}

DibListScroll CDibListGeometry::ScrollToLine(int line) {
  if (line == m_topLine) return DibListScroll::None;
  int position = ThumbForLine(line);
  if (position != m_thumbPosition) return UpdateScroll(position);
  // The thumb cannot show the difference; the last line still may not
  // leave the bottom of the view.
  int top = std::clamp(line, 0, std::max(0, TotalLines() - VisibleLines()));
  if (top == m_topLine) return DibListScroll::None;
  m_topLine = top;
  return DibListScroll::TopLine;
}

void CDibListGeometry::FitThumbToTopLine() {
  m_topLine = std::clamp(m_topLine, 0, std::max(0, TotalLines() - VisibleLines()));
  m_thumbPosition = std::clamp(ThumbForLine(m_topLine), 0, std::max(0, TrackLength()));
}
