// The select-by-name dialog's search: the text lower-cased, the next record
// whose name holds it (from just after the last match, round to the start
// once), and the count of such records.
//
// The count uses the same rule as the search. Counting with the base's
// case-sensitive CountNameMatches on the lower-cased text would report 0
// for "bob" while the search finds "Bob".
#pragma once

#include <string>

#include "app/bases/base_database.h"

class CItemNameSearch {
 public:
  explicit CItemNameSearch(const CBaseDatabase& base) : m_base(base) {}

  // A new text starts the search from the first record.
  void SetText(const std::string& text);
  const std::string& Text() const { return m_text; }
  // The record index of the next match, or -1 when none matches.
  int FindNext();
  int Count() const;

 private:
  const CBaseDatabase& m_base;
  std::string m_text;
  int m_last = -1;
};
