#include "app/shell/items/category_chooser.h"

#include <algorithm>

CCategoryChooser::CCategoryChooser(const CBaseDatabase& base, const CategoryChoice& initial)
    : m_base(base), m_choice(initial), m_offered(kCategoryLevels) {
  Recompute();
}

void CCategoryChooser::Recompute() {
  for (int level = 0; level < kCategoryLevels; ++level) {
    const std::vector<std::string> labels =
        m_base.CategoryLists(std::vector<std::string>(m_choice.begin(), m_choice.end()))[level];
    m_offered[level] = {CBaseDatabase::kAnyCategory};
    m_offered[level].insert(m_offered[level].end(), labels.begin(), labels.end());
    if (std::find(labels.begin(), labels.end(), m_choice[level]) == labels.end())
      m_choice[level] = CBaseDatabase::kAnyCategory;
  }
}

int CCategoryChooser::ChosenIndex(int level) const {
  const std::vector<std::string>& offered = m_offered[level];
  const auto found = std::find(offered.begin(), offered.end(), m_choice[level]);
  return found == offered.end() ? 0 : static_cast<int>(found - offered.begin());
}

void CCategoryChooser::Choose(int level, int offeredIndex) {
  if (level < 0 || level >= kCategoryLevels) return;
  const std::vector<std::string>& offered = m_offered[level];
  m_choice[level] = offeredIndex > 0 && offeredIndex < static_cast<int>(offered.size()) ? offered[offeredIndex]
                                                                                         : CBaseDatabase::kAnyCategory;
  Recompute();
}
