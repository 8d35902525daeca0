// The five cascading lists of the select-by-categories dialog: each level
// offers "all" and the labels the tree has under the choices above it. A
// choice made higher up that a deeper label no longer fits sends that
// deeper level back to "all".
#pragma once

#include <string>
#include <vector>

#include "app/bases/base_database.h"
#include "app/shell/items/item_application.h"

class CCategoryChooser {
 public:
  CCategoryChooser(const CBaseDatabase& base, const CategoryChoice& initial);

  // "all" first, then the level's labels.
  const std::vector<std::string>& Offered(int level) const { return m_offered[level]; }
  int ChosenIndex(int level) const;
  // Out-of-range indexes choose "all".
  void Choose(int level, int offeredIndex);
  const CategoryChoice& Choice() const { return m_choice; }

 private:
  void Recompute();

  const CBaseDatabase& m_base;
  CategoryChoice m_choice;
  std::vector<std::vector<std::string>> m_offered;
};
