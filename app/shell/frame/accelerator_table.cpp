#include "app/shell/frame/accelerator_table.h"

#include "platform/core/virtual_keys.h"

namespace {

constexpr int Ctrl = kModifierCtrl;
constexpr int Alt = kModifierAlt;
constexpr int Shift = kModifierShift;

constexpr AcceleratorEntry kAccelerators[] = {
    {'N', Ctrl, ID_CLEAR_CLIENTS},
    {'A', Ctrl, ID_CAMERA_ACQUIRE},
    {'L', Ctrl, ID_LOAD_FROM_FILE},
    {'C', Ctrl | Alt, ID_SELECT_BY_CATEGORIES},
    {'N', Ctrl | Alt, ID_SELECT_BY_NAME},
    {'T', Ctrl | Alt, ID_SELECT_BY_FACE_TYPE},
    {'Z', Ctrl, ID_EDIT_UNDO},
    {VK_BACK, Alt, ID_EDIT_UNDO},
    {'Y', Ctrl, ID_EDIT_REDO},
    {VK_RETURN, Alt, ID_EDIT_REDO},
    {'F', Ctrl, ID_AREA_FILL},
    {'B', Ctrl, ID_AREA_BLUR},
    {'C', Ctrl, ID_AREA_COPY},
    {VK_INSERT, Ctrl, ID_AREA_COPY},
    {'V', Ctrl, ID_AREA_PASTE},
    {VK_INSERT, Shift, ID_AREA_PASTE},
    {'D', Ctrl, ID_AREA_CLEAR},
    {VK_DELETE, Ctrl, ID_AREA_CLEAR},
    {VK_DELETE, Shift, ID_AREA_CLEAR},
    {'G', Ctrl, ID_GALLERY_ADD},
    {'T', Ctrl, ID_TOGGLE_LAYER_FRAMES},
    {'P', Ctrl, ID_FILE_PRINT},
    {'O', Ctrl, ID_CHANGE_OPTIONS},
    {'I', Ctrl, ID_VERSION_INFO},
};

const char* KeyName(int key) {
  switch (key) {
    case VK_BACK: return "Backspace";
    case VK_RETURN: return "Enter";
    case VK_INSERT: return "Insert";
    case VK_DELETE: return "Delete";
    default: return nullptr;
  }
}

}  // namespace

std::span<const AcceleratorEntry> AcceleratorTable() { return kAccelerators; }

std::optional<CommandId> FindAccelerator(int virtualKey, int modifiers) {
  for (const AcceleratorEntry& entry : kAccelerators)
    if (entry.virtualKey == virtualKey && entry.modifiers == modifiers) return entry.command;
  return std::nullopt;
}

std::string AcceleratorText(const AcceleratorEntry& entry) {
  std::string text;
  if (entry.modifiers & Ctrl) text += "Ctrl+";
  if (entry.modifiers & Alt) text += "Alt+";
  if (entry.modifiers & Shift) text += "Shift+";
  if (const char* name = KeyName(entry.virtualKey)) text += name;
  else text += static_cast<char>(entry.virtualKey);
  return text;
}
