#include "app/shell/items/item_name_search.h"

#include <cctype>

void CItemNameSearch::SetText(const std::string& text) {
  m_text = text;
  for (char& c : m_text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  m_last = -1;
}

int CItemNameSearch::FindNext() {
  int found = m_base.FindNextByName(m_text, m_last + 1);
  if (found < 0 && m_last >= 0) found = m_base.FindNextByName(m_text, 0);
  m_last = found;
  return found;
}

int CItemNameSearch::Count() const {
  int count = 0;
  for (int i = m_base.FindNextByName(m_text, 0); i >= 0; i = m_base.FindNextByName(m_text, i + 1)) ++count;
  return count;
}
