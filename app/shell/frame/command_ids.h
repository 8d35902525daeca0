// Every command of the main window by number. The numbers are the program's
// resource ids: buttons carry them as their dialog ids, menus and keys post
// them, and the string table gives each its status text and tooltip.
#pragma once

// 1000 to 1002, 1015, 1036, 1214, 32783 and the undo pair come with the
// view's context menu, the mirror pair with the editing tools.
#include "app/editing/layer_mirror.h"
#include "app/view/context_menu.h"

using CommandId = unsigned;

// Left bar and title bar.
inline constexpr CommandId ID_CLEAR_CLIENTS = 57600;
inline constexpr CommandId ID_GET_PHOTO = 1078;
inline constexpr CommandId ID_FILE_PRINT = 57607;
inline constexpr CommandId ID_CHANGE_OPTIONS = 1213;
inline constexpr CommandId ID_STATISTICS = 1217;
inline constexpr CommandId ID_HELP_FINDER = 57670;
inline constexpr CommandId ID_HELP = 57669;
inline constexpr CommandId ID_APP_ABOUT = 57664;
inline constexpr CommandId ID_APP_EXIT_PROGRAM = 1175;
inline constexpr CommandId ID_MINIMIZE_WINDOW = 1176;
inline constexpr CommandId ID_VERSION_INFO = 1246;

// The photo menu (menu 130).
inline constexpr CommandId ID_CAMERA_ACQUIRE = 32771;
inline constexpr CommandId ID_CAMERA_SELECT = 32772;
inline constexpr CommandId ID_LOAD_FROM_FILE = 57601;
inline constexpr CommandId ID_LOAD_SAMPLE_PHOTO = 32773;

// Top bar.
inline constexpr CommandId ID_SELECT_PROJECTION = 1011;
inline constexpr CommandId ID_NEXT_VIEW = 1228;
inline constexpr CommandId ID_PREVIOUS_VIEW = 1229;
inline constexpr CommandId ID_SWITCH_TO_BODY = 1152;
inline constexpr CommandId ID_SWITCH_TO_FACE = 1153;
inline constexpr CommandId ID_SET_FACE_RECTANGLE = 1012;
inline constexpr CommandId ID_SET_PRINT_AREA = 1013;
inline constexpr CommandId ID_HAIR_STRETCH = 1014;
inline constexpr CommandId ID_SHOW_GALLERY = 1191;
inline constexpr CommandId ID_GALLERY_ADD = 1194;  // the view names it ID_ADD_TO_GALLERY
// The gallery bars' own commands.
inline constexpr CommandId ID_GALLERY_DELETE = 1195;
inline constexpr CommandId ID_GALLERY_DELETE_ALL = 1196;
inline constexpr CommandId ID_GALLERY_PRINT = 1197;
inline constexpr CommandId ID_GALLERY_SAVE_AS = 1198;
inline constexpr CommandId ID_GALLERY_RESTORE = 1199;
inline constexpr CommandId ID_GALLERY_SCROLL_BACK = 1240;
inline constexpr CommandId ID_GALLERY_SCROLL_FORWARD = 1241;
inline constexpr CommandId ID_GALLERY_VIEW = 1242;

// The item panels (menu 131 and the list are the item panel's).
inline constexpr CommandId ID_SELECT_MENU = 1190;
inline constexpr CommandId ID_SELECT_BY_CATEGORIES = 32774;
inline constexpr CommandId ID_SELECT_BY_NAME = 32775;
inline constexpr CommandId ID_SELECT_BY_FACE_TYPE = 32776;
inline constexpr CommandId ID_SLIDESHOW = 1216;
inline constexpr CommandId ID_AUTOMATIC_SELECTION = 1212;
inline constexpr CommandId ID_CUSTOM_ADD = 1192;
inline constexpr CommandId ID_CUSTOM_REMOVE = 1193;
inline constexpr CommandId ID_ITEM_LIST = 998;  // a click in the thumbnail list

// Tools bar.
inline constexpr CommandId ID_TOOL_ZOOM = 1051;
inline constexpr CommandId ID_TOOL_SNIPPERS = 1021;
inline constexpr CommandId ID_TOOL_COMB = 1022;
inline constexpr CommandId ID_TOOL_MIRROR = 1024;
inline constexpr CommandId ID_TOOL_BRUSH = 1025;
inline constexpr CommandId ID_TOOL_SPRAY = 1026;
inline constexpr CommandId ID_TOOL_EYEDROPPER = 1027;
inline constexpr CommandId ID_TOOL_OWN_EYEDROPPER = 1028;
inline constexpr CommandId ID_TOOL_LASSO = 1029;
inline constexpr CommandId ID_TOOL_WAND = 1030;
inline constexpr CommandId ID_THICKNESS_1 = 1202;
inline constexpr CommandId ID_THICKNESS_6 = 1207;
inline constexpr CommandId ID_COMB_DRAWING = 1023;  // a check box, no tool
inline constexpr CommandId ID_COLOR_SELECTER = 1061;

// The item panel's colour filters: eleven from the profile, then the
// user's own colour.
inline constexpr CommandId ID_FILTER_FIRST = 1062;
inline constexpr CommandId ID_FILTER_LAST = 1072;
inline constexpr CommandId ID_CUSTOM_FILTER = 1073;

// The make-up panel: the palette choice, its items and the swatch list.
inline constexpr CommandId ID_PALETTE_AUTHOR = 1235;
inline constexpr CommandId ID_PALETTE_PROFILE = 1215;
inline constexpr CommandId ID_SWATCH_LIST = 997;

// Area operations (Ctrl+F, Ctrl+B, Ctrl+D, Ctrl+C; paste is ID_AREA_PASTE).
inline constexpr CommandId ID_AREA_FILL = 1031;
inline constexpr CommandId ID_AREA_BLUR = 1032;
inline constexpr CommandId ID_AREA_CLEAR = 1033;
inline constexpr CommandId ID_AREA_COPY = 1034;

// Deformation (the image panel's four buttons).
inline constexpr CommandId ID_DEFORM_START = 1177;
inline constexpr CommandId ID_DEFORM_INITIAL = 1178;
inline constexpr CommandId ID_DEFORM_FINAL = 1179;
inline constexpr CommandId ID_DEFORM_AREA = 1180;

// The adjustment sliders: brightness, contrast, hue and filter strength on
// the right-hand panels, opacity and the tools' pressure on the tools bar.
inline constexpr CommandId ID_SLIDER_PRESSURE = 1020;
inline constexpr CommandId ID_SLIDER_OPACITY = 1041;
inline constexpr CommandId ID_SLIDER_BRIGHTNESS = 1042;
inline constexpr CommandId ID_SLIDER_CONTRAST = 1043;
inline constexpr CommandId ID_SLIDER_HUE = 1044;
inline constexpr CommandId ID_SLIDER_FILTER = 1046;
