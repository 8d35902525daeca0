// A gallery bar's list as a plain vector with a selection the test sets.
#pragma once

#include <algorithm>
#include <vector>

#include "app/shell/gallery/gallery_list_view.h"

namespace testgallery {

class CPlainGalleryList : public CGalleryListView {
 public:
  void AddItem(std::unique_ptr<CDib> picture, const std::string& caption) override {
    pictures.push_back(std::move(picture));
  }
  int GetCount() const override { return static_cast<int>(pictures.size()); }
  std::vector<int> SelectedItems() const override { return selection; }
  void DeleteSelected() override {
    std::vector<int> sorted = selection;
    std::ranges::sort(sorted, std::greater<>());
    for (int index : sorted) pictures.erase(pictures.begin() + index);
    selection.clear();
  }
  void ResetContent() override {
    pictures.clear();
    selection.clear();
  }
  void Select(std::vector<int> indexes) { selection = std::move(indexes); }

  std::vector<std::unique_ptr<CDib>> pictures;
  std::vector<int> selection;
};

}  // namespace testgallery
