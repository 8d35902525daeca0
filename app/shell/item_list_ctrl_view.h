// The frame's thumbnail list as the try-on reads and fills it.
#pragma once

#include "app/shell/items/item_list_view.h"
#include "controls/zor_dib_list_ctrl.h"

class CDibListCtrlView : public CItemListView {
 public:
  explicit CDibListCtrlView(CZORDibListCtrl& list) : m_list(list) {}
  void ResetContent() override { m_list.ResetContent(); }
  void AddItem(std::unique_ptr<CDib> picture, const std::string& caption) override {
    m_list.AddItem(std::move(picture), caption);
  }
  int GetCount() const override { return m_list.GetCount(); }
  int GetCurSel() const override { return m_list.GetCurSel(); }
  void SetCurSel(int index) override { m_list.SetCurSel(index); }
  int GetTopIndex() const override { return m_list.GetTopIndex(); }
  void SetTopIndex(int line) override { m_list.SetTopIndex(line); }

 private:
  CZORDibListCtrl& m_list;
};
