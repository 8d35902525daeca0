// Draws the default style "Style_1" and writes it as a style archive.
// usage: generate_style PHOTO_FOLDER OUTPUT.kvstyle
//
// This file says what the style holds: which controls get which pictures,
// the panels, the make-up swatches, the default placements (fitted to the
// sample photo of the front projection) and the colours. The drawing itself
// lives in control_pictures.cpp and panel_pictures.cpp.
#include <cstdio>
#include <string>
#include <vector>

#include "imagelib/dib.h"
#include "platform/core/zip_resource_writer.h"
#include "styles/Style_1/control_pictures.h"
#include "styles/Style_1/icons.h"
#include "styles/Style_1/layer_name_pictures.h"
#include "styles/Style_1/panel_pictures.h"

namespace {

struct Labelled {
  const char* base;
  const char* label;
};

// The control's icon; the label in the pixel font only for a control the
// icon set does not know yet.
Glyph GlyphFor(const std::string& base, const std::string& label) {
  Glyph icon = IconGlyph(base);
  return icon ? icon : TextGlyph(label);
}

void AddTitleBar(CZipResourceWriter& style) {
  // Round buttons kept at the right edge of the title bar, whatever its width.
  const Labelled buttons[] = {{"SYS_HELP", "?"}, {"SYS_MIN", "-"}, {"SYS_EXIT", "X"}};
  const int side = 22;
  for (int i = 0; i < 3; ++i) {
    ButtonLook look{side, side, ButtonShape::kRound, i == 2 ? theme::kWarm : theme::kAccent, ""};
    AddPushButton(style, buttons[i].base, look, GlyphFor(buttons[i].base, buttons[i].label));
    AddRoundRegion(style, buttons[i].base, side);
    std::string position = std::to_string(-(3 - i) * (side + 6)) + ", 5";
    style.AddResource((std::string(buttons[i].base) + "_POS").c_str(), "wndpos",
                      std::vector<unsigned char>(position.begin(), position.end()), ".txt");
  }
}

void AddLeftBar(CZipResourceWriter& style) {
  const Labelled buttons[] = {{"NEW_CLIENT", "NEW"},    {"PHOTO_GET", "PHOTO"},      {"APP_PRINT", "PRINT"},
                              {"APP_OPTIONS", "SETUP"}, {"APP_STATISTICS", "STATS"}, {"APP_HELP", "HELP"},
                              {"APP_ABOUT", "ABOUT"},   {"APP_EXIT", "EXIT"}};
  for (const Labelled& button : buttons) {
    ButtonLook look{64, 40, ButtonShape::kRounded,
                    std::string(button.base) == "APP_EXIT" ? theme::kWarm : theme::kAccent, ""};
    AddPushButton(style, button.base, look, GlyphFor(button.base, button.label));
  }
}

// The bars' buttons are 36 pixels square, so the top bar's 23 controls fit
// a window of the smallest width the style allows.
constexpr int kBarButton = 36;

void AddTopBar(CZipResourceWriter& style) {
  AddProjectionPicture(style, "TOOL_SET_PRJ", kBarButton);
  ButtonLook arrow{20, kBarButton, ButtonShape::kRounded, theme::kAccent, ""};
  AddPushButton(style, "TOOL_SET_PRJ_PREV", arrow, GlyphFor("TOOL_SET_PRJ_PREV", "<"));
  AddPushButton(style, "TOOL_SET_PRJ_NEXT", arrow, GlyphFor("TOOL_SET_PRJ_NEXT", ">"));
  // Off it offers the body, on it offers the way back to the face.
  AddToggle(style, "SWITCH_BODY", {kBarButton, kBarButton}, ProjectionGlyph(4), ProjectionGlyph(0));

  const Labelled kinds[] = {
      {"TOOL_SEL_PHOTO_FACE", "PHOTO"}, {"TOOL_SEL_MAKEUP", "MAKEUP"},   {"TOOL_SEL_HAIRSTYLE", "HAIR"},
      {"TOOL_SEL_GLASSES", "GLASS"},    {"TOOL_SEL_MOUSTACHE", "MOUST"}, {"TOOL_SEL_EYEBROW", "BROW"},
      {"TOOL_SEL_NOSE", "NOSE"},        {"TOOL_SEL_BREAST", "BUST"},     {"TOOL_SEL_ACCESSORIES", "ACCES"},
      {"TOOL_SEL_HEADDRESS", "HAT"},    {"TOOL_SEL_CUSTOM", "MINE"}};
  for (const Labelled& kind : kinds)
    AddToggle(style, kind.base, {kBarButton, kBarButton}, GlyphFor(kind.base, kind.label));

  const Labelled tools[] = {{"TOOL_SET_RECT", "FACE"},  {"TOOL_FIT_FACE", "AUTO"}, {"TOOL_SET_PRNRECT", "AREA"},
                            {"TOOL_SET_PRYAD", "PULL"}, {"TOOL_DEL_LAYER", "DEL"}, {"TOOL_UNDO", "UNDO"},
                            {"TOOL_REDO", "REDO"},      {"TOOL_SEL_GALLERY", "GALL"}};
  for (const Labelled& tool : tools) {
    std::string base = tool.base;
    ButtonLook look{kBarButton, kBarButton, ButtonShape::kRounded,
                    base == "TOOL_DEL_LAYER" ? theme::kWarm : theme::kAccent, ""};
    if (base == "TOOL_SET_RECT" || base == "TOOL_SET_PRNRECT" || base == "TOOL_SET_PRYAD")
      AddToggle(style, tool.base, look, GlyphFor(tool.base, tool.label));
    else
      AddPushButton(style, tool.base, look, GlyphFor(tool.base, tool.label));
  }
}

void AddToolsBar(CZipResourceWriter& style) {
  const Labelled tools[] = {{"TOOL_ZOOM", "ZOOM"},     {"TOOL_RUBBER", "CUT"},  {"TOOL_FINGER", "COMB"},
                            {"TOOL_FLIP", "FLIP"},     {"TOOL_BRUSH", "BRUSH"}, {"TOOL_SPRAY", "SPRAY"},
                            {"TOOL_PIPETKA1", "PICK"}, {"TOOL_LASSO", "LASSO"}, {"TOOL_WAND", "WAND"}};
  for (const Labelled& tool : tools) {
    // The mirror button opens a menu: it is pressed, not toggled.
    if (std::string(tool.base) == "TOOL_FLIP")
      AddPushButton(style, tool.base, {kBarButton, kBarButton}, GlyphFor(tool.base, tool.label));
    else
      AddToggle(style, tool.base, {kBarButton, kBarButton}, GlyphFor(tool.base, tool.label));
  }
  for (int thickness = 1; thickness <= 6; ++thickness)
    AddToggle(style, "THICKNESS" + std::to_string(thickness), {24, 24, ButtonShape::kRounded},
              ThicknessGlyph(thickness));
  AddToggle(style, "FINGER_CHECK", {18, 18, ButtonShape::kRounded}, GlyphFor("FINGER_CHECK", "+"));
  AddSlider(style, "SL_TOOLS", true, 110);
  AddSlider(style, "SL_OPACITY", true, 110);
}

void AddRightPanels(CZipResourceWriter& style) {
  for (const char* slider : {"SL_BRIGHTNESS", "SL_CONTRAST", "SL_HUE", "SL_FILTER"})
    AddSlider(style, slider, true, 132);
  // The deformation steps: three that stay down while armed, then the run.
  const Labelled deform[] = {{"DIST_SRC", "Initial"}, {"DIST_DEST", "Final"}, {"DIST_STAT", "Area"}};
  for (const Labelled& step : deform)
    AddToggle(style, step.base, {48, 48, ButtonShape::kRounded, theme::kAccent, step.label}, GlyphFor(step.base, ""));
  AddPushButton(style, "DIST_MAKE", {48, 48, ButtonShape::kRounded, theme::kAccent, "Start"}, GlyphFor("DIST_MAKE", ""));
  AddPushButton(style, "FILTER", {32, 32}, GlyphFor("FILTER", "F"));
  AddPushButton(style, "CUSTOM_FILTER", {32, 32}, GlyphFor("CUSTOM_FILTER", "F+"));
  AddToggle(style, "TOOL_PIPETKA2", {44, 30}, GlyphFor("TOOL_PIPETKA2", "PICK"));
  AddToggle(style, "SLIDESHOW", {44, 30}, GlyphFor("SLIDESHOW", "SHOW"));
  const Labelled push[] = {{"SELECT", "SELECT"}, {"AUTOFIT", "AUTO"}, {"CUSTADD", "ADD"}, {"CUSTREMOVE", "REMOVE"}};
  for (const Labelled& button : push) AddPushButton(style, button.base, {44, 30}, GlyphFor(button.base, button.label));
  AddThumbnailList(style, "BASELIST", 56, 284);
  AddThumbnailList(style, "GALLERYLIST_VERT", 72, 420);
  AddThumbnailList(style, "GALLERYLIST_HORZ", 72, 72);
  const Labelled gallery[] = {{"GALLERY_ADD", "ADD"},     {"GALLERY_RESTORE", "BACK"}, {"GALLERY_VIEW", "VIEW"},
                              {"GALLERY_SAVE", "SAVE"},   {"GALLERY_DELETE", "DEL"},   {"GALLERY_DELALL", "PURGE"},
                              {"GALLERY_PRINT", "PRINT"}};
  for (const Labelled& button : gallery)
    AddPushButton(style, button.base, {48, 28, ButtonShape::kRounded,
                                       std::string(button.base) == "GALLERY_DELALL" ? theme::kWarm : theme::kAccent, ""},
                  GlyphFor(button.base, button.label));
  AddPushButton(style, "GALLERY_PREV", {28, 36}, GlyphFor("GALLERY_PREV", "<"));
  AddPushButton(style, "GALLERY_NEXT", {28, 36}, GlyphFor("GALLERY_NEXT", ">"));
}

void AddDialogs(CZipResourceWriter& style) {
  const Labelled preview[] = {{"PREVIEW_SETUP", "SETUP"},
                              {"PREVIEW_SELECTSIGN", "SIGN"},
                              {"PREVIEW_RESORT", "SORT"},
                              {"PREVIEW_OK", "OK"},
                              {"PREVIEW_CANCEL", "CANCEL"},
                              {"PREVIEW_PDF", "PDF"}};
  for (const Labelled& button : preview) AddPushButton(style, button.base, {72, 26}, GlyphFor(button.base, button.label));
  const Labelled font[] = {{"FONTBOLD", "B"}, {"FONTITALIC", "I"}, {"FONTUNDERLINE", "U"}};
  for (const Labelled& button : font) AddToggle(style, button.base, {26, 26}, GlyphFor(button.base, button.label));
  const char* projections[] = {"PR_FRONT", "PR_HALF", "PR_SIDE", "PR_REAR"};
  const char* captions[] = {"Front", "Half turn", "Side", "Rear"};
  for (int i = 0; i < 4; ++i)
    AddPushButton(style, projections[i], {72, 80, ButtonShape::kRounded, theme::kAccent, captions[i]},
                  ProjectionGlyph(i));
  // The enabled source's window and the device list, whose cells leave a
  // line under the picture for the device's number.
  const Labelled source[] = {{"SOURCE_PHOTO", "Take photo"}, {"SOURCE_SCAN", "Scan"}, {"SOURCE_CLOSE", "Close"}};
  for (const Labelled& button : source)
    AddPushButton(style, button.base, {88, 48, ButtonShape::kRounded, theme::kAccent, button.label},
                  GlyphFor(button.base, ""));
  AddThumbnailList(style, "DEVICELIST", 56, 110, 72);
}

void AddText(CZipResourceWriter& style, const char* name, const char* type, const std::string& text) {
  style.AddResource(name, type, std::vector<unsigned char>(text.begin(), text.end()), ".txt");
}

// Default placements in the pixels of each projection's sample photo. The
// front ones are fitted to the portrait that is "IDB_PHOTO_W1" (512 × 512);
// the others assume a head of the same size in the same frame. The eyes,
// lips and underarm entries are lines from (left, top) to (right, bottom),
// and an item placed on a line takes its angle, so they run level: through
// the pupils, the corners of the mouth and the underarms.
void AddPlacements(CZipResourceWriter& style) {
  struct Placement {
    const char* name;
    const char* rect;
  };
  const Placement placements[] = {
      {"IDR_FACE_FRONT_FACE", "178, 62, 284, 184"},  {"IDR_FACE_FRONT_EYES", "188, 101, 262, 101"},
      {"IDR_FACE_FRONT_LIPS", "200, 142, 250, 142"}, {"IDR_FACE_FRONT_BREAST", "110, 300, 350, 300"},
      {"IDR_FACE_HALF_FACE", "185, 62, 285, 184"},   {"IDR_FACE_HALF_EYES", "200, 103, 272, 103"},
      {"IDR_FACE_HALF_LIPS", "212, 147, 258, 147"},  {"IDR_FACE_HALF_BREAST", "120, 300, 360, 300"},
      {"IDR_FACE_SIDE_FACE", "190, 62, 280, 184"},   {"IDR_FACE_SIDE_EYES", "236, 103, 276, 103"},
      {"IDR_FACE_SIDE_LIPS", "248, 147, 280, 147"},  {"IDR_FACE_SIDE_BREAST", "150, 300, 350, 300"},
      {"IDR_FACE_REAR_FACE", "178, 40, 284, 184"},   {"IDR_FACE_REAR_EYES", "188, 101, 262, 101"},
      {"IDR_FACE_REAR_LIPS", "200, 142, 250, 142"},  {"IDR_FACE_REAR_BREAST", "110, 300, 350, 300"},
      {"IDR_BODY_FRONT_FACE", "216, 30, 296, 126"},  {"IDR_BODY_FRONT_EYES", "228, 70, 284, 70"},
      {"IDR_BODY_FRONT_LIPS", "240, 103, 272, 103"}, {"IDR_BODY_FRONT_BREAST", "176, 240, 336, 240"},
  };
  for (const Placement& placement : placements) AddText(style, placement.name, "wndrect", placement.rect);
  AddText(style, "IDR_APPWINDOW_SIZE_MIN", "wndpos", "1024, 768");
  AddText(style, "IDR_APPWINDOW_SIZE_MAX", "wndpos", "2560, 1600");
}

// Outlines are drawn in 4-pixel dashes of the line colour and the second
// colour. Each pairs a light, saturated colour with black, so one of the two
// shows on any photo, light or dark; selections are amber, the deformation
// contours green (initial), red (final) and azure (area) to tell them apart.
void AddStrings(CZipResourceWriter& style) {
  style.AddString(1, "Style_1");
  style.AddString(63562, "Lasso line:255, 200, 0");
  style.AddString(63563, "Lasso second:0, 0, 0");
  style.AddString(63564, "Wand line:255, 200, 0");
  style.AddString(63565, "Wand second:0, 0, 0");
  style.AddString(63566, "Initial contour:0, 230, 118");
  style.AddString(63567, "Initial contour fill:0, 0, 0");
  style.AddString(63568, "Final contour:255, 82, 82");
  style.AddString(63569, "Final contour fill:0, 0, 0");
  style.AddString(63570, "Deformation area:0, 176, 255");
  style.AddString(63571, "Deformation area fill:0, 0, 0");
  style.AddString(61787, "Help text:32, 36, 48");
  style.AddString(61788, "Help background:236, 240, 246");
}

// The committed photos are JPEG files already; they go in as they are, after
// the image library has shown that it reads them.
bool AddPhoto(CZipResourceWriter& style, const char* name, const std::string& path) {
  CDib photo;
  if (!photo.LoadFromFile(path)) {
    std::fprintf(stderr, "generate_style: %s: cannot read the photo\n", path.c_str());
    return false;
  }
  std::FILE* in = std::fopen(path.c_str(), "rb");
  std::vector<unsigned char> bytes;
  for (int c; in && (c = std::fgetc(in)) != EOF;) bytes.push_back(static_cast<unsigned char>(c));
  if (in) std::fclose(in);
  style.AddResource(name, "jpgimage", std::move(bytes), ".jpg");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: generate_style PHOTO_FOLDER OUTPUT.kvstyle\n");
    return 2;
  }
  std::string photos = argv[1], output = argv[2];
  CZipResourceWriter style;
  AddTitleBar(style);
  AddLeftBar(style);
  AddTopBar(style);
  AddToolsBar(style);
  AddRightPanels(style);
  AddLayerNames(style);
  AddDialogs(style);
  AddPanelBackgrounds(style, photos + "/grace_hopper.jpg");
  AddMakeupSwatches(style);
  AddPlacements(style);
  AddStrings(style);
  // Only the front projection has a real photo; the others start empty.
  if (!AddPhoto(style, "IDB_PHOTO_W1", photos + "/astronaut.jpg")) return 1;

  std::string reason;
  if (!style.Save(output, &reason)) {
    std::fprintf(stderr, "generate_style: %s\n", reason.c_str());
    return 1;
  }
  return 0;
}
