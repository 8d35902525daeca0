#include "app/shell/frame/frame_menus.h"

#include <functional>
#include <utility>

#include "platform/core/ini_profile.h"

std::string MenuText(const char* label, CommandId command) {
  for (const AcceleratorEntry& entry : AcceleratorTable())
    if (entry.command == command) return std::string(label) + '\t' + AcceleratorText(entry);
  return label;
}

std::vector<MenuEntry> PhotoMenu(const std::function<bool(CommandId)>& enabled) {
  std::vector<MenuEntry> menu;
  auto add = [&](CommandId id, const char* label) {
    MenuEntry entry;
    entry.command = id;
    entry.text = MenuText(label, id);
    entry.enabled = !enabled || enabled(id);
    menu.push_back(std::move(entry));
  };
  add(ID_CAMERA_ACQUIRE, "Get from camera...");
  add(ID_CAMERA_SELECT, "Select camera...");
  menu.push_back({});
  add(ID_LOAD_FROM_FILE, "Load from file...");
  add(ID_LOAD_SAMPLE_PHOTO, "Load sample photo");
  return menu;
}

std::vector<MenuEntry> SelectMenu(bool enabled) {
  std::vector<MenuEntry> menu;
  for (auto [id, label] : {std::pair{ID_SELECT_BY_CATEGORIES, "Select by categories..."},
                           std::pair{ID_SELECT_BY_NAME, "Select by name..."},
                           std::pair{ID_SELECT_BY_FACE_TYPE, "Select by face type..."}}) {
    MenuEntry entry;
    entry.command = id;
    entry.text = MenuText(label, id);
    entry.enabled = enabled;
    menu.push_back(std::move(entry));
  }
  return menu;
}

std::vector<MenuEntry> MirrorMenu() {
  MenuEntry leftRight;
  leftRight.command = ID_MIRROR_LEFT_RIGHT;
  leftRight.text = "Mirror left to right";
  MenuEntry topBottom;
  topBottom.command = ID_MIRROR_TOP_BOTTOM;
  topBottom.text = "Mirror top to bottom";
  return {leftRight, topBottom};
}

std::string ReadInternetShortcut(const std::string& path) {
  CIniProfile file;
  if (!file.Load(path)) return {};
  return file.GetString("InternetShortcut", "URL", "");
}
