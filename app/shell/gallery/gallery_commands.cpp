#include "app/shell/gallery/gallery_commands.h"

bool IsGalleryCommandEnabled(CommandId id, const GalleryBarFacts& facts) {
  switch (id) {
    case ID_GALLERY_ADD: return facts.photoInProjection;
    case ID_GALLERY_DELETE: return facts.selected > 0 && !facts.busy;
    case ID_GALLERY_DELETE_ALL: return facts.count > 0 && !facts.busy;
    // Print and Save as a file work on the selected entries.
    case ID_GALLERY_PRINT:
    case ID_GALLERY_SAVE_AS:
    case ID_GALLERY_VIEW: return facts.selected > 0;
    case ID_GALLERY_RESTORE: return facts.selected == 1;
    case ID_GALLERY_SCROLL_BACK: return facts.hiddenBefore;
    case ID_GALLERY_SCROLL_FORWARD: return facts.hiddenAfter;
    default: return false;
  }
}

std::vector<MenuEntry> GalleryContextMenu(const std::function<bool(CommandId)>& enabled) {
  const std::pair<CommandId, const char*> items[] = {
      {ID_GALLERY_RESTORE, "Restore"}, {ID_GALLERY_VIEW, "View"},           {0, ""},
      {ID_GALLERY_PRINT, "Print"},     {ID_GALLERY_SAVE_AS, "Save as a file"}, {0, ""},
      {ID_GALLERY_DELETE, "Delete"},   {ID_GALLERY_DELETE_ALL, "Delete all"}};
  std::vector<MenuEntry> menu;
  for (const auto& [id, text] : items) {
    MenuEntry entry;
    entry.command = id;
    entry.text = text;
    entry.enabled = id == 0 || !enabled || enabled(id);
    menu.push_back(entry);
  }
  return menu;
}
