#include "app/view/context_menu.h"

#include <algorithm>

#include "app/document/undo_routing.h"
#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kKindCommands[kItemKindCount] = {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1200};
constexpr unsigned kAreaCommands[] = {1031, 1032, 1033, 1034, 1036};
const char* const kAreaTexts[] = {"Fill\tCtrl+F", "Blur\tCtrl+B", "Clear\tCtrl+D", "Copy\tCtrl+C", "Paste\tCtrl+V"};

MenuEntry Entry(unsigned command, std::string text, bool checked = false) {
  MenuEntry entry;
  entry.command = command;
  entry.text = std::move(text);
  entry.checked = checked;
  return entry;
}

MenuEntry Separator() { return {}; }

// Drops separators at either end and doubled ones.
void TidySeparators(std::vector<MenuEntry>& menu) {
  std::vector<MenuEntry> tidy;
  for (MenuEntry& entry : menu) {
    if (entry.IsSeparator() && (tidy.empty() || tidy.back().IsSeparator())) continue;
    tidy.push_back(std::move(entry));
  }
  while (!tidy.empty() && tidy.back().IsSeparator()) tidy.pop_back();
  menu = std::move(tidy);
}

}  // namespace

std::vector<MenuEntry> BuildViewContextMenu(const CKelvoraDoc& document, const CViewMode& mode,
                                            bool layerFramesVisible) {
  const CProjection* projection = document.GetProjection(-1);
  if (!projection || !projection->HasPhoto() || mode.zoomTool) return {};
  const CEditMode& edit = mode.edit;
  std::vector<MenuEntry> menu;

  const unsigned photoCommand = document.GetMode() == kFaceSet ? ID_PHOTO_FACE : ID_PHOTO_BODY;
  menu.push_back(Entry(photoCommand, "Photo", edit.photoMode));
  menu.push_back(Entry(ID_MAKEUP, "Make-up", edit.makeupMode));
  // Only the kinds the menu always had; the others have their own buttons.
  for (int kind = 0; kind <= kKindCustom; ++kind) {
    if (!projection->GetSlot(kind)) continue;
    menu.push_back(Entry(kKindCommands[kind], LoadResourceString(FindItemKind(kind)->labelStringId),
                         edit.currentKind == kind && !edit.photoMode && !edit.makeupMode));
  }
  menu.push_back(Separator());

  if (edit.faceRectangleTool && document.GetMode() == kFaceSet) {
    menu.push_back(Entry(ID_FIT_FACE_AUTOMATICALLY, "Fit face automatically"));
    menu.push_back(Separator());
  }

  if (mode.areaSelected) {
    MenuEntry area;
    area.text = "Area";
    for (std::size_t i = 0; i < std::size(kAreaCommands); ++i) {
      MenuEntry item = Entry(kAreaCommands[i], kAreaTexts[i]);
      item.enabled = kAreaCommands[i] != ID_AREA_PASTE || mode.areaCopied;
      area.subMenu.push_back(item);
    }
    menu.push_back(area);
    menu.push_back(Separator());
  }

  const std::string undo = UndoCommandText(document, edit, UndoDirection::undo);
  const std::string redo = UndoCommandText(document, edit, UndoDirection::redo);
  if (!undo.empty()) menu.push_back(Entry(ID_EDIT_UNDO, undo + "\tCtrl+Z"));
  if (!redo.empty()) menu.push_back(Entry(ID_EDIT_REDO, redo + "\tCtrl+Y"));
  menu.push_back(Separator());

  menu.push_back(Entry(ID_FLATTEN_IMAGE, "Flatten image"));
  const bool deletes = edit.makeupMode || (edit.currentKind >= 0 && edit.currentKind != kKindCustom);
  if (deletes) menu.push_back(Entry(ID_DELETE_LAYER, "Delete layer"));
  menu.push_back(Entry(ID_TOGGLE_LAYER_FRAMES, "Layer frame", layerFramesVisible));
  TidySeparators(menu);
  return menu;
}
