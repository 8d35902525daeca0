// The frame's pop-up menus as data: the photo menu (menu 130) of "Get
// photo", the select menu (menu 131) of "Select" and menu 156 of "Mirror
// image". The Qt frame shows them at the
// cursor and runs the chosen command.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/shell/frame/accelerator_table.h"
#include "app/view/context_menu.h"

// Entries whose command is not live are disabled (the camera's until the
// camera is connected).
std::vector<MenuEntry> PhotoMenu(const std::function<bool(CommandId)>& enabled);
std::vector<MenuEntry> MirrorMenu();
// Select by categories, by name and by face type, with their keys; all three
// follow the "Select" button's enabling.
std::vector<MenuEntry> SelectMenu(bool enabled);

// "Load from file...\tCtrl+L": the label with the command's first key.
std::string MenuText(const char* label, CommandId command);

// The URL of an internet-shortcut file ("[InternetShortcut]" "URL="); empty
// when the file is missing or names none.
std::string ReadInternetShortcut(const std::string& path);
