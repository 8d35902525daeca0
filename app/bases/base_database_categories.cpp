// The label lists of the category choosers, from the version 3.0 category
// tree. The tree is walked depth first from the rows of value group 0; the
// n-th node the walk meets (from 0) is labelled by cell n of the chosen
// name-table row. A level's list holds, in walk order and once each, the
// labels of its nodes whose ancestors match the choice above them ("all" or
// an empty label standing for any). So "all" keeps every label of a level,
// and each deeper list narrows with the choices above it.
//
// The tree comes from a file: a row value that points outside the next
// group is passed over, and the walk ends when the name table has no more
// labels, so a damaged tree (rows shared by several parents included) costs
// at most one step per label. A base without a tree (older versions, or an
// empty custom base) offers the header's category lists instead.
#include <algorithm>
#include <cctype>

#include "app/bases/base_database.h"
#include "platform/core/text_case.h"

namespace {

bool IsChosen(const std::vector<std::string>& choice, int level, const std::string& label) {
  if (level >= static_cast<int>(choice.size())) return true;
  const std::string& chosen = choice[level];
  return chosen.empty() || chosen == CBaseDatabase::kAnyCategory || EqualsIgnoringCase(chosen, label);
}

void AddOnce(std::vector<std::string>& list, const std::string& label) {
  if (!label.empty() && std::find(list.begin(), list.end(), label) == list.end()) list.push_back(label);
}

class CategoryWalk {
 public:
  CategoryWalk(const std::vector<BaseValueGroupRows>& groups, const std::vector<std::string>& labels,
               const std::vector<std::string>& choice)
      : m_groups(groups), m_labels(labels), m_choice(choice), m_lists(kCategoryLevels) {}

  std::vector<std::vector<std::string>> Run() {
    if (!m_groups.empty())
      for (std::size_t row = 0; row < m_groups[0].size() && !Finished(); ++row) Visit(0, row, true);
    return std::move(m_lists);
  }

 private:
  bool Finished() const { return m_column >= m_labels.size(); }

  // The node at depth `level`; for levels 0 to 3 `row` is its row in value
  // group `level`, whose values are its children.
  void Visit(int level, std::size_t row, bool ancestorsMatch) {
    const std::string& label = m_labels[m_column++];
    if (ancestorsMatch) AddOnce(m_lists[level], label);
    if (level >= kValueGroups || level >= static_cast<int>(m_groups.size())) return;
    const bool matches = ancestorsMatch && IsChosen(m_choice, level, label);
    const bool childrenAreRows = level + 1 < kValueGroups;
    for (std::uint32_t child : m_groups[level][row]) {
      if (Finished()) return;
      if (childrenAreRows && (level + 1 >= static_cast<int>(m_groups.size()) || child >= m_groups[level + 1].size()))
        continue;
      Visit(level + 1, childrenAreRows ? child : 0, matches);
    }
  }

  const std::vector<BaseValueGroupRows>& m_groups;
  const std::vector<std::string>& m_labels;
  const std::vector<std::string>& m_choice;
  std::vector<std::vector<std::string>> m_lists;
  std::size_t m_column = 0;
};

}  // namespace

std::vector<std::vector<std::string>> CBaseDatabase::CategoryLists(const std::vector<std::string>& choice,
                                                                   int nameTableRow) const {
  const bool hasTree = !m_valueGroups.empty() && !m_valueGroups[0].empty() && !m_nameTable.cells.empty();
  if (hasTree) {
    const std::size_t row = nameTableRow >= 0 && nameTableRow < static_cast<int>(m_nameTable.cells.size())
                                ? static_cast<std::size_t>(nameTableRow)
                                : 0;
    return CategoryWalk(m_valueGroups, m_nameTable.cells[row], choice).Run();
  }
  std::vector<std::vector<std::string>> lists(kCategoryLevels);
  for (int level = 0; level < kCategoryLevels && level < static_cast<int>(m_categories.size()); ++level)
    for (const std::string& label : m_categories[level])
      if (label != kCategorySeparator) AddOnce(lists[level], label);
  return lists;
}
