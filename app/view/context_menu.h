// The view's context menu (menu 150) as data: which entries stay for the
// mode, which is checked, and the undo and redo entries named after the
// step they would move. The Qt view turns the list into a QMenu.
#pragma once

#include <string>
#include <vector>

#include "app/document/kelvora_doc.h"
#include "app/view/view_mode.h"

struct MenuEntry {
  unsigned command = 0;  // 0 for a separator or a sub-menu
  std::string text;
  bool checked = false;
  bool enabled = true;
  std::vector<MenuEntry> subMenu;
  bool IsSeparator() const { return command == 0 && subMenu.empty(); }
};

inline constexpr unsigned ID_PHOTO_FACE = 1000;
inline constexpr unsigned ID_PHOTO_BODY = 1001;
inline constexpr unsigned ID_MAKEUP = 1002;
inline constexpr unsigned ID_DELETE_LAYER = 1015;
inline constexpr unsigned ID_FIT_FACE_AUTOMATICALLY = 1016;
inline constexpr unsigned ID_AREA_PASTE = 1036;
inline constexpr unsigned ID_FLATTEN_IMAGE = 1214;
inline constexpr unsigned ID_TOGGLE_LAYER_FRAMES = 32783;
inline constexpr unsigned ID_EDIT_UNDO = 57643;
inline constexpr unsigned ID_EDIT_REDO = 57644;

// Empty when the menu is not shown (no photo in the current projection, or
// the zoom tool armed).
std::vector<MenuEntry> BuildViewContextMenu(const CKelvoraDoc& document, const CViewMode& mode,
                                            bool layerFramesVisible);
