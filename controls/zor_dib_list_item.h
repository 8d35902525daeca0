// The items of the thumbnail lists. A list-box item is a picture with a
// caption; a list-control item adds the state the list draws it in and a
// value of the caller's. Each item owns its picture, which may be absent.
// The program derives its own items from these, so both destructors are
// virtual.
#pragma once

#include <memory>
#include <string>

#include "imagelib/dib.h"

// Item states. 8 lasts only while the list deletes its selection.
inline constexpr int kDibListItemNormal = 1;
inline constexpr int kDibListItemHot = 2;
inline constexpr int kDibListItemSelected = 4;
inline constexpr int kDibListItemDeleting = 8;

class CZORDibListBoxItem {
 public:
  CZORDibListBoxItem() = default;
  CZORDibListBoxItem(std::unique_ptr<CDib> itemPicture, std::string itemText)
      : picture(std::move(itemPicture)), text(std::move(itemText)) {}
  virtual ~CZORDibListBoxItem() = default;

  std::unique_ptr<CDib> picture;
  std::string text;
};

class CZORDibListCtrlItem : public CZORDibListBoxItem {
 public:
  CZORDibListCtrlItem() = default;
  CZORDibListCtrlItem(std::unique_ptr<CDib> itemPicture, std::string itemText, unsigned long itemData)
      : CZORDibListBoxItem(std::move(itemPicture), std::move(itemText)), data(itemData) {}

  int state = kDibListItemNormal;
  unsigned long data = 0;
};
