#include "app/shell/frame/command_table.h"

#include <algorithm>

namespace {

using enum CommandCarrier;

constexpr CommandSpec kCommands[] = {
    {ID_CLEAR_CLIENTS, "Clear previous clients", frame},
    {ID_GET_PHOTO, "Get photo", frame},
    {ID_CAMERA_ACQUIRE, "Get from camera...", handler},
    {ID_CAMERA_SELECT, "Select camera...", handler},
    {ID_LOAD_FROM_FILE, "Load from file...", frame},
    {ID_LOAD_SAMPLE_PHOTO, "Load sample photo", frame},
    {ID_SELECT_PROJECTION, "Select projection", frame},
    {ID_NEXT_VIEW, "Next view", frame},
    {ID_PREVIOUS_VIEW, "Previous view", frame},
    {ID_SWITCH_TO_BODY, "Switch to body", frame},
    {ID_SWITCH_TO_FACE, "Switch to face", frame},
    {ID_SET_FACE_RECTANGLE, "Set Face Rectangle", handler},
    {ID_FIT_FACE_AUTOMATICALLY, "Fit face automatically", handler},
    {ID_PHOTO_FACE, "Edit your photo", frame},
    {ID_PHOTO_BODY, "Edit your photo", frame},
    {ID_MAKEUP, "Make up", frame},
    {1003, "Hairstyle", frame},
    {1004, "Glasses", frame},
    {1005, "Moustache", frame},
    {1006, "Custom", frame},
    {1007, "Eyebrow", frame},
    {1008, "Nose", frame},
    {1009, "Breast", frame},
    {1010, "Accessories", frame},
    {1200, "Head-dress", frame},
    {ID_SELECT_MENU, "Select", frame},
    {ID_SELECT_BY_CATEGORIES, "Select by categories...", frame},
    {ID_SELECT_BY_NAME, "Select by name...", frame},
    {ID_SELECT_BY_FACE_TYPE, "Select by face type...", frame},
    {1212, "Automatic selection", frame},
    {ID_SLIDESHOW, "Slideshow", frame},
    {ID_CUSTOM_ADD, "Add to custom database", frame},
    {ID_CUSTOM_REMOVE, "Remove from custom database", frame},
    {ID_TOOL_SNIPPERS, "Snippers", frame},
    {ID_TOOL_COMB, "Comb", frame},
    {ID_TOOL_MIRROR, "Mirror image", frame},
    {ID_TOOL_BRUSH, "Brush", frame},
    {ID_TOOL_SPRAY, "Spray", frame},
    {ID_TOOL_EYEDROPPER, "Eyedropper", frame},
    {ID_TOOL_OWN_EYEDROPPER, "Eyedropper (own colour)", frame},
    {ID_TOOL_LASSO, "Lasso", handler},
    {ID_TOOL_WAND, "Magic wand", handler},
    {ID_HAIR_STRETCH, "Hair stretching tool", handler},
    {1202, "Thickness 1", frame},
    {1203, "Thickness 2", frame},
    {1204, "Thickness 3", frame},
    {1205, "Thickness 4", frame},
    {1206, "Thickness 5", frame},
    {1207, "Thickness 6", frame},
    {ID_MIRROR_LEFT_RIGHT, "Mirror left to right", frame},
    {ID_MIRROR_TOP_BOTTOM, "Mirror top to bottom", frame},
    {ID_TOOL_ZOOM, "Zoom", frame},
    {ID_FLATTEN_IMAGE, "Flatten image", frame},
    {ID_DEFORM_INITIAL, "Initial contour", handler},
    {ID_DEFORM_FINAL, "Final contour", handler},
    {ID_DEFORM_AREA, "Set area", handler},
    {ID_DEFORM_START, "Start simulation", handler},
    {ID_DELETE_LAYER, "Delete selected layer", frame},
    {ID_SET_PRINT_AREA, "Set print area", frame},
    {ID_EDIT_UNDO, "Undo", frame},
    {ID_EDIT_REDO, "Redo", frame},
    {ID_AREA_FILL, "Fill", handler},
    {ID_AREA_BLUR, "Blur", handler},
    {ID_AREA_COPY, "Copy", handler},
    {ID_AREA_PASTE, "Paste", handler},
    {ID_AREA_CLEAR, "Clear", handler},
    {ID_GALLERY_ADD, "Add to gallery", handler},
    {ID_SHOW_GALLERY, "Gallery", handler},
    {ID_TOGGLE_LAYER_FRAMES, "Show or hide layers tracker", frame},
    {ID_FILE_PRINT, "Print", handler},
    {ID_CHANGE_OPTIONS, "Change program options", application},
    {ID_VERSION_INFO, "Version info...", frame},
    {ID_HELP_FINDER, "Help", application},
    {ID_HELP, "Help", application},
    {ID_APP_ABOUT, "About", frame},
    {ID_STATISTICS, "Statistics", frame},
    {ID_APP_EXIT_PROGRAM, "Exit program", frame},
    {ID_MINIMIZE_WINDOW, "Minimize window", frame},
};

}  // namespace

std::span<const CommandSpec> CommandTable() { return kCommands; }

const CommandSpec* FindCommand(CommandId id) {
  auto row = std::ranges::find(kCommands, id, &CommandSpec::id);
  return row == std::end(kCommands) ? nullptr : &*row;
}
