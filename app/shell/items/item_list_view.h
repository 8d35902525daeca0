// The thumbnail list as the try-on sees it: the frame's CZORDibListCtrl in
// the program, a plain record in the tests.
#pragma once

#include <memory>
#include <string>

#include "imagelib/dib.h"

class CItemListView {
 public:
  virtual ~CItemListView() = default;
  virtual void ResetContent() = 0;
  virtual void AddItem(std::unique_ptr<CDib> picture, const std::string& caption) = 0;
  virtual int GetCount() const = 0;
  virtual int GetCurSel() const = 0;
  virtual void SetCurSel(int index) = 0;
  virtual int GetTopIndex() const = 0;
  virtual void SetTopIndex(int line) = 0;
};
