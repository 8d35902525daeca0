// Menu 131 of the "Select" button and its accelerator keys.
#pragma once

#include <array>

inline constexpr unsigned ID_SELECT_MENU = 1190;
inline constexpr unsigned ID_SELECT_BY_CATEGORIES = 32774;
inline constexpr unsigned ID_SELECT_BY_NAME = 32775;
inline constexpr unsigned ID_SELECT_BY_FACE_TYPE = 32776;

struct SelectMenuEntry {
  unsigned command;
  const char* label;
  const char* keys;  // in the form QKeySequence reads
};

inline constexpr std::array<SelectMenuEntry, 3> kSelectMenu = {{
    {ID_SELECT_BY_CATEGORIES, "Select by categories...", "Ctrl+Alt+C"},
    {ID_SELECT_BY_NAME, "Select by name...", "Ctrl+Alt+N"},
    {ID_SELECT_BY_FACE_TYPE, "Select by face type...", "Ctrl+Alt+T"},
}};
