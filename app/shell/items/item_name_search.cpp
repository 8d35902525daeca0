#include "app/shell/items/item_name_search.h"

#include "platform/core/text_case.h"

void CItemNameSearch::SetText(const std::string& text) {
  m_text = LowerCase(text);
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
