#include "app/shell/frame/session_statistics.h"

#include <numeric>

int CSessionStatistics::ItemsTried() const { return std::accumulate(m_itemsTried.begin(), m_itemsTried.end(), 0); }

std::string CSessionStatistics::Report(std::string (*kindName)(int kind)) const {
  std::string text = "This session:\n";
  text += "Photos loaded: " + std::to_string(m_photosLoaded) + "\n";
  text += "Clients cleared: " + std::to_string(m_clientsCleared) + "\n";
  text += "Items tried: " + std::to_string(ItemsTried());
  for (int kind = 0; kind < kItemKindCount; ++kind)
    if (m_itemsTried[kind] > 0) text += "\n    " + kindName(kind) + ": " + std::to_string(m_itemsTried[kind]);
  return text;
}
