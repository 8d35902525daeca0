#include "app/shell/items/category_choice.h"

#include <algorithm>

namespace {

std::vector<std::string> AsLabels(const CategoryChoice& choice) { return {choice.begin(), choice.end()}; }

}  // namespace

CategoryChoice RestoreCategoryChoice(const CBaseDatabase& base, const CategorySelections& saved) {
  CategoryChoice choice = AllCategories();
  for (int level = 0; level < kCategoryLevels; ++level) {
    const std::vector<std::string> list = base.CategoryLists(AsLabels(choice))[level];
    const int value = saved[level];
    if (value >= 1 && value <= static_cast<int>(list.size())) choice[level] = list[value - 1];
  }
  return choice;
}

CategorySelections SaveCategoryChoice(const CBaseDatabase& base, const CategoryChoice& choice) {
  CategorySelections saved{};
  CategoryChoice above = AllCategories();
  for (int level = 0; level < kCategoryLevels; ++level) {
    const std::vector<std::string> list = base.CategoryLists(AsLabels(above))[level];
    const auto found = std::find(list.begin(), list.end(), choice[level]);
    if (found != list.end()) {
      saved[level] = static_cast<int>(found - list.begin()) + 1;
      above[level] = choice[level];
    }
  }
  return saved;
}
