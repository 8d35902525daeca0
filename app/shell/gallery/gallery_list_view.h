// A gallery bar's thumbnail list as the bar fills and reads it. The window
// gives the skinned list; tests give a plain one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "imagelib/dib.h"

class CGalleryListView {
 public:
  virtual ~CGalleryListView() = default;
  virtual void AddItem(std::unique_ptr<CDib> picture, const std::string& caption) = 0;
  virtual int GetCount() const = 0;
  // The selected indexes, in any order.
  virtual std::vector<int> SelectedItems() const = 0;
  // Removes the selected items.
  virtual void DeleteSelected() = 0;
  virtual void ResetContent() = 0;
};
