// The items of the thumbnail list with their selection and hover state,
// free of any window. Every change returns the indexes of the items whose
// state it changed, so the control redraws just those cells.
//
// The selection keeps 16-bit indexes in the order the items were selected;
// items past index 65535 cannot be selected rather than being stored as
// some other item's index.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/zor_dib_list_item.h"

using CWordArray = std::vector<std::uint16_t>;

class CDibListModel {
 public:
  int Count() const { return static_cast<int>(m_items.size()); }
  bool Exists(int index) const { return index >= 0 && index < Count(); }
  // Null for an index out of range.
  CZORDibListCtrlItem* Item(int index) const { return Exists(index) ? m_items[index].get() : nullptr; }
  // Null items are not added.
  void Add(std::unique_ptr<CZORDibListCtrlItem> item);
  // Deletes every item; selection, hot, anchor and tooltip item are reset.
  void Clear();

  const CWordArray& Selection() const { return m_selection; }
  // The selected index when exactly one item is selected, else -1.
  int CurSel() const { return m_selection.size() == 1 ? m_selection.front() : -1; }
  int Hot() const { return m_hot; }
  int Anchor() const { return m_anchor; }
  int ToolTipItem() const { return m_toolTipItem; }
  void SetToolTipItem(int index) { m_toolTipItem = index; }

  // Makes `index` the only selected item; nothing out of range.
  std::vector<int> SetCurSel(int index);
  // A left click on `index` (which may name no item) with the Control and
  // Shift keys as held; both keys act only with multiple selection.
  std::vector<int> Click(int index, bool control, bool shift, bool multipleSelection);
  // The pointer is over `index` (which may name no item, or be -1).
  std::vector<int> Hover(int index);
  // The pointer left the items.
  std::vector<int> ClearHover() { return Hover(-1); }
  // Deletes the selected items with their pictures; false when nothing was
  // selected.
  bool DeleteSelected();

 private:
  std::vector<int> StatesSnapshot() const;
  std::vector<int> ChangedSince(const std::vector<int>& before) const;
  void Select(int index);
  void Deselect(int index);
  void DeselectAll();

  std::vector<std::unique_ptr<CZORDibListCtrlItem>> m_items;
  CWordArray m_selection;
  int m_hot = -1;
  int m_anchor = -1;
  int m_toolTipItem = -1;
};
