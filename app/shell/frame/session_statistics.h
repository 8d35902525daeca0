// "Statistics" (command 1217): what this session has done, counted as it
// happens: photos taken in, items tried on per kind, gallery entries and
// undone steps are not kept elsewhere, so the frame counts them here.
#pragma once

#include <array>
#include <string>

#include "app/document/item_kinds.h"

class CSessionStatistics {
 public:
  void NoteItemTried(int kind) {
    if (IsItemKind(kind)) ++m_itemsTried[kind];
  }
  void NotePhotoLoaded() { ++m_photosLoaded; }
  void NoteClientCleared() { ++m_clientsCleared; }
  int ItemsTried(int kind) const { return IsItemKind(kind) ? m_itemsTried[kind] : 0; }
  int ItemsTried() const;

  // The message the command shows: one line a kind that was tried, with
  // `kindName` giving each kind's label.
  std::string Report(std::string (*kindName)(int kind)) const;

 private:
  std::array<int, kItemKindCount> m_itemsTried{};
  int m_photosLoaded = 0;
  int m_clientsCleared = 0;
};
