#include "controls/dib_list_model.h"

#include <algorithm>

namespace {

constexpr int kLargestSelectableIndex = 0xFFFF;

}  // namespace

void CDibListModel::Add(std::unique_ptr<CZORDibListCtrlItem> item) {
  if (item) m_items.push_back(std::move(item));
}

void CDibListModel::Clear() {
  m_items.clear();
  m_selection.clear();
  m_hot = m_anchor = m_toolTipItem = -1;
}

std::vector<int> CDibListModel::StatesSnapshot() const {
  std::vector<int> states;
  states.reserve(m_items.size());
  for (const auto& item : m_items) states.push_back(item->state);
  return states;
}

std::vector<int> CDibListModel::ChangedSince(const std::vector<int>& before) const {
  std::vector<int> changed;
  for (int i = 0; i < Count(); ++i)
    if (m_items[i]->state != before[i]) changed.push_back(i);
  return changed;
}

void CDibListModel::Select(int index) {
  if (!Exists(index) || index > kLargestSelectableIndex) return;
  m_items[index]->state = kDibListItemSelected;
  m_selection.push_back(static_cast<std::uint16_t>(index));
}

void CDibListModel::Deselect(int index) {
  m_items[index]->state = kDibListItemNormal;
  std::erase(m_selection, static_cast<std::uint16_t>(index));
}

void CDibListModel::DeselectAll() {
  for (std::uint16_t index : m_selection)
    if (Exists(index)) m_items[index]->state = kDibListItemNormal;
  m_selection.clear();
}

std::vector<int> CDibListModel::SetCurSel(int index) {
  if (!Exists(index)) return {};
  std::vector<int> before = StatesSnapshot();
  // Every selected item goes back to normal, not only a single one: an
  // item left drawn as selected outside the selection would be a lie.
  DeselectAll();
  Select(index);
  return ChangedSince(before);
}

std::vector<int> CDibListModel::Click(int index, bool control, bool shift, bool multipleSelection) {
  std::vector<int> before = StatesSnapshot();
  if (!Exists(index)) {
    DeselectAll();
  } else if (control) {
    if (multipleSelection) {
      if (m_items[index]->state == kDibListItemSelected) Deselect(index);
      else Select(index);
      m_anchor = index;
    }
  } else if (shift) {
    if (multipleSelection) {
      DeselectAll();
      // The anchor may be stale, past the items now in the list.
      int anchor = std::clamp(m_anchor, 0, Count() - 1);
      for (int i = std::min(anchor, index); i <= std::max(anchor, index); ++i) Select(i);
    }
  } else {
    DeselectAll();
    Select(index);
    m_anchor = index;
  }
  return ChangedSince(before);
}

std::vector<int> CDibListModel::Hover(int index) {
  if (index == m_hot) return {};
  std::vector<int> before = StatesSnapshot();
  if (Exists(m_hot) && m_items[m_hot]->state == kDibListItemHot) m_items[m_hot]->state = kDibListItemNormal;
  m_hot = index;
  if (Exists(index) && m_items[index]->state == kDibListItemNormal) m_items[index]->state = kDibListItemHot;
  return ChangedSince(before);
}

bool CDibListModel::DeleteSelected() {
  if (m_selection.empty()) return false;
  for (std::uint16_t index : m_selection) {
    if (!Exists(index)) continue;
    m_items[index]->state = kDibListItemDeleting;
    if (m_hot == index) m_hot = -1;
    if (m_anchor == index) m_anchor = -1;
    if (m_toolTipItem == index) m_toolTipItem = -1;
  }
  // The indexes that survive follow their items down over the deleted ones,
  // so that the hot item can still be returned to normal.
  auto follow = [this](int& index) {
    if (index < 0) return;
    int removedBefore = 0;
    for (int i = 0; i < index && i < Count(); ++i)
      if (m_items[i]->state == kDibListItemDeleting) ++removedBefore;
    index -= removedBefore;
  };
  follow(m_hot);
  follow(m_anchor);
  follow(m_toolTipItem);
  std::erase_if(m_items, [](const auto& item) { return item->state == kDibListItemDeleting; });
  m_selection.clear();
  return true;
}
