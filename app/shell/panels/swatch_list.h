// The make-up panel's swatch list: a thumbnail list whose tooltip names the
// colour under the pointer, since a long name does not fit its caption.
#pragma once

#include "controls/zor_dib_list_ctrl.h"

class CSwatchListCtrl : public CZORDibListCtrl {
 public:
  using CZORDibListCtrl::CZORDibListCtrl;
  std::string GetItemToolText(int index) override {
    const CZORDibListCtrlItem* item = GetItem(index);
    return item ? item->text : std::string();
  }
};
