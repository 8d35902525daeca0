// The default style as the program will meet it: every name the program
// looks up answers, and the pictures of one control agree in size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "controls/skin_resources.h"
#include "imagelib/dib.h"
#include "platform/core/zip_resource_module.h"
#include "tests/styles/generated_style_fixture.h"

namespace {

// Controls of the panels and dialogs, by skin base name.
const std::vector<std::string> kPushButtons = {
    "SYS_HELP", "SYS_MIN", "SYS_EXIT", "NEW_CLIENT", "PHOTO_GET", "APP_PRINT", "APP_OPTIONS", "APP_STATISTICS",
    "APP_HELP", "APP_ABOUT", "APP_EXIT", "DIST_MAKE", "SELECT", "AUTOFIT", "TOOL_FLIP", "TOOL_SEL_GALLERY", "FILTER",
    "CUSTADD", "CUSTREMOVE", "TOOL_SET_PRJ_PREV", "TOOL_SET_PRJ_NEXT", "TOOL_DEL_LAYER", "TOOL_UNDO", "TOOL_REDO",
    "PREVIEW_SETUP", "PREVIEW_SELECTSIGN", "PREVIEW_RESORT", "PREVIEW_OK", "PREVIEW_CANCEL", "PR_FRONT", "PR_HALF",
    "PR_SIDE", "PR_REAR"};
const std::vector<std::string> kToggles = {
    "TOOL_ZOOM", "TOOL_RUBBER", "TOOL_FINGER", "DIST_SRC", "DIST_DEST", "DIST_STAT", "TOOL_BRUSH", "TOOL_SPRAY", "TOOL_PIPETKA1",
    "TOOL_LASSO", "TOOL_WAND", "THICKNESS1", "THICKNESS2", "THICKNESS3", "THICKNESS4", "THICKNESS5", "THICKNESS6",
    "FINGER_CHECK", "TOOL_PIPETKA2", "SLIDESHOW", "SWITCH_BODY", "TOOL_SET_RECT", "TOOL_SET_PRNRECT",
    "TOOL_SET_PRYAD", "TOOL_SEL_PHOTO_FACE", "TOOL_SEL_MAKEUP", "TOOL_SEL_HAIRSTYLE", "TOOL_SEL_GLASSES",
    "TOOL_SEL_MOUSTACHE", "TOOL_SEL_EYEBROW", "TOOL_SEL_NOSE", "TOOL_SEL_BREAST", "TOOL_SEL_ACCESSORIES",
    "TOOL_SEL_HEADDRESS", "TOOL_SEL_CUSTOM", "FONTBOLD", "FONTITALIC", "FONTUNDERLINE"};
const std::vector<std::string> kSliders = {"SL_BRIGHTNESS", "SL_CONTRAST", "SL_HUE",
                                           "SL_FILTER",     "SL_TOOLS",    "SL_OPACITY"};
const std::vector<std::string> kThumbnailLists = {"BASELIST", "GALLERYLIST_VERT"};
const std::vector<std::string> kMakeupTypes = {"MAKEUP_LIPSTICK", "MAKEUP_LIPPENCIL", "MAKEUP_EYEPENCIL",
                                               "MAKEUP_POWDER",   "MAKEUP_ROUGE",     "MAKEUP_SHADES"};
const std::vector<std::string> kPictures = {
    "IDB_TITLE_PATTERN",       "IDB_TITLE_EXT_PATTERN",   "IDB_TOOLS_PATTERN",        "IDB_TOOLS_EXT_PATTERN",
    "IDB_LEFTBAR_PATTERN",     "IDB_TOPBAR_FACE_PATTERN", "IDB_GALLERY_PATTERN",      "IDB_RIGHT_EMPTY_PATTERN",
    "IDB_RIGHT_IMAGE_PATTERN", "IDB_RIGHT_BASE_PATTERN",  "IDB_RIGHT_MAKEUP_PATTERN", "IDB_RIGHT_CUSTOM_PATTERN",
    "IDB_RIGHT_GALLERY_PATTERN", "IDB_SPLASH",            "IDB_VIEW_TEXTURE",         "IDB_PROGRESS",
    "IDB_SELECTSIGN",          "IDB_PHOTO_W1"};
const std::vector<unsigned> kColourStrings = {63562, 63563, 63564, 63565, 63566, 63567, 63568,
                                              63569, 63570, 63571, 61787, 61788};

std::vector<std::string> Placements() {
  std::vector<std::string> names;
  for (const char* projection : {"FACE_FRONT", "FACE_HALF", "FACE_SIDE", "FACE_REAR", "BODY_FRONT"})
    for (const char* part : {"FACE", "EYES", "LIPS", "BREAST"})
      names.push_back(std::string("IDR_") + projection + "_" + part);
  return names;
}

class Style1Test : public GeneratedStyleTest {
 protected:
  static int FrameCount(const std::string& base) {
    int count = 0;
    while (PictureSize(base + "_D" + std::to_string(count + 1)) != CSize(0, 0)) ++count;
    return count;
  }
};

// Every picture the program looks up by a name it forms itself.
std::vector<std::string> LookedUpPictures() {
  std::vector<std::string> names = kPictures;
  for (const std::string& slider : kSliders)
    for (const char* suffix : {"_THUMB", "_ACTION", "_BACKGROUND", "_TRACK"}) names.push_back(slider + suffix);
  for (const std::string& list : kThumbnailLists)
    for (const char* suffix : {"_NORMAL", "_SELECTED", "_FOCUSED", "_BACK", "_SRLBACK", "_SRLTHUMB", "_SRLTHUMB_ACT"})
      names.push_back(list + suffix);
  for (const std::string& type : kMakeupTypes) names.push_back(type + "_IMAGE");
  return names;
}

TEST_F(Style1Test, EveryPictureTheProgramLooksUpLoads) {
  for (const std::string& name : LookedUpPictures()) {
    CSize size = PictureSize(name);
    EXPECT_GT(size.cx, 0) << name;
    EXPECT_GT(size.cy, 0) << name;
  }
}

TEST_F(Style1Test, ButtonsHaveFramesOfOneSizeAndTheStatesTheyAnimateThrough) {
  // A button sizes itself by its first frame and draws every other picture
  // into a cell of that size: a picture of another size would be cut or
  // leave a seam.
  auto checkControl = [](const std::string& base, bool toggle) {
    int frames = FrameCount(base);
    if (toggle) EXPECT_EQ(frames, 2) << base << ": a toggle shows off and on";
    else EXPECT_GT(frames, 2) << base << ": a push button lights up while hovered";
    CSize size = PictureSize(base + "_D1");
    for (int frame = 2; frame <= frames; ++frame)
      EXPECT_EQ(PictureSize(base + "_D" + std::to_string(frame)), size) << base << " frame " << frame;
    for (const char* state : {"_MOUSEIN", "_DOWNMOUSEIN", "_DISABLED"})
      EXPECT_EQ(PictureSize(base + state), size) << base + state;
  };
  for (const std::string& base : kPushButtons) checkControl(base, false);
  for (const std::string& base : kToggles) checkControl(base, true);

  EXPECT_EQ(FrameCount("TOOL_SET_PRJ"), 5) << "one frame per projection";
}

TEST_F(Style1Test, EveryPictureComesAgainAtExactlyTwiceItsSize) {
  // A double picture of any other size would be taken for missing and its
  // plain one enlarged, soft, in its place.
  std::vector<std::string> names = LookedUpPictures();
  for (const std::vector<std::string>* buttons : {&kPushButtons, &kToggles})
    for (const std::string& base : *buttons) {
      for (int frame = 1; frame <= FrameCount(base); ++frame) names.push_back(base + "_D" + std::to_string(frame));
      for (const char* state : {"_MOUSEIN", "_DOWNMOUSEIN", "_DISABLED"}) names.push_back(base + state);
    }
  for (int frame = 1; frame <= FrameCount("TOOL_SET_PRJ"); ++frame)
    names.push_back("TOOL_SET_PRJ_D" + std::to_string(frame));
  for (const std::string& name : names) {
    if (name == "IDB_PHOTO_W1") continue;  // a photo, not drawn by the style
    CSize plain = PictureSize(name), dense = PictureSize(ScaledResourceName(name, kHighDensityScale));
    EXPECT_EQ(dense, CSize(plain.cx * 2, plain.cy * 2)) << name;
  }
  for (const std::string& type : kMakeupTypes)
    EXPECT_TRUE(s_style->FindResource(ScaledResourceName(type + "_MASK", 2).c_str(), "pcximage")) << type;
}

// Relative luminance of an sRGB colour, as contrast ratios are defined.
double Luminance(const unsigned char* bgr) {
  auto linear = [](unsigned char channel) {
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(bgr[2]) + 0.7152 * linear(bgr[1]) + 0.0722 * linear(bgr[0]);
}
double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

TEST_F(Style1Test, IconsStandOutFromTheirButtonFacesInEveryEnabledState) {
  // Text and icons at 4.5:1 or more. The icon's ink is the brightest
  // pixel; the face is read at the top and bottom of the button's middle
  // column, just inside its edge, where the gradient is at its lightest and
  // darkest. The double pictures are held to the same.
  auto checkAt = [](const std::string& plainName, int scale) {
    const std::string name = ScaledResourceName(plainName, scale);
    CDib picture;
    ASSERT_TRUE(picture.LoadFromResource(name.c_str(), "", s_style)) << name;
    const unsigned char* bits = picture.LockBits();
    ASSERT_TRUE(bits) << name;
    auto pixel = [&](int x, int y) {
      return bits + static_cast<std::size_t>(picture.Height() - 1 - y) * picture.RowLength() + 3 * x;
    };
    double ink = 0;
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) ink = std::max(ink, Luminance(pixel(x, y)));
    for (int y : {3 * scale, picture.Height() - 4 * scale}) {
      double face = Luminance(pixel(picture.Width() / 2, y));
      if (Contrast(ink, face) < 1.2) continue;  // a large dot covers the face there
      EXPECT_GE(Contrast(ink, face), 4.5) << name << " at row " << y;
    }
    picture.UnlockBits();
  };
  auto check = [&](const std::string& name) {
    checkAt(name, 1);
    checkAt(name, kHighDensityScale);
  };
  // The body switch shows a coloured figure, not an icon in ink.
  for (const std::string& base : kToggles)
    if (base != "SWITCH_BODY")
      for (const char* state : {"_D1", "_D2", "_MOUSEIN", "_DOWNMOUSEIN"}) check(base + state);
  for (const std::string& base : kPushButtons)
    for (const char* state : {"_D1", "_D4", "_MOUSEIN", "_DOWNMOUSEIN"}) check(base + state);
}

TEST_F(Style1Test, MakeupMasksAreAlphaPcxFiles) {
  for (const std::string& type : kMakeupTypes) {
    auto mask = s_style->FindResource((type + "_MASK").c_str(), "pcximage");
    ASSERT_TRUE(mask) << type;
    ASSERT_GT(mask->size(), 128u + 769u) << type;
    EXPECT_EQ((*mask)[0], 10) << type;
    EXPECT_EQ((*mask)[1], 5) << type;
    EXPECT_EQ((*mask)[3], 8) << type;
    EXPECT_EQ((*mask)[65], 1) << type;
    EXPECT_EQ((*mask)[mask->size() - 769], 12) << type << ": palette marker";
  }
}

TEST_F(Style1Test, PlacementsSizesShapesAndColoursRead) {
  for (const std::string& name : Placements()) {
    CRect placement;
    ASSERT_TRUE(LoadCustomWndRect(name.c_str(), &placement, s_style)) << name;
    EXPECT_GT(placement.Width(), 0) << name;
    // The face frames are rectangles; the eyes, lips and underarm lines run level.
    if (name.ends_with("_FACE")) EXPECT_GT(placement.Height(), 0) << name;
    else EXPECT_EQ(placement.Height(), 0) << name;
  }
  CPoint smallest, largest;
  ASSERT_TRUE(LoadCustomWndPos("IDR_APPWINDOW_SIZE_MIN", &smallest, s_style));
  ASSERT_TRUE(LoadCustomWndPos("IDR_APPWINDOW_SIZE_MAX", &largest, s_style));
  EXPECT_GT(smallest.x, 0);
  EXPECT_LE(smallest.x, largest.x);
  EXPECT_LE(smallest.y, largest.y);

  for (const char* button : {"SYS_HELP", "SYS_MIN", "SYS_EXIT"}) {
    // The shape at each density covers exactly the pictures of that density.
    for (int scale : {1, kHighDensityScale}) {
      CRgn shape;
      std::string name = ScaledResourceName(std::string(button) + "_RGN", scale);
      EXPECT_TRUE(LoadCustomWndRgn(name.c_str(), shape, s_style)) << name;
      EXPECT_EQ(shape.GetRgnBox(),
                CRect(CPoint(0, 0), PictureSize(ScaledResourceName(std::string(button) + "_D1", scale))))
          << name;
    }
    CPoint position;
    EXPECT_TRUE(LoadCustomWndPos((std::string(button) + "_POS").c_str(), &position, s_style)) << button;
    EXPECT_LT(position.x, 0) << button << ": kept at the right edge";
  }

  for (unsigned id : kColourStrings) {
    COLORREF colour = 0xFFFFFFFF;
    EXPECT_TRUE(LoadCustomColor(id, colour, s_style)) << id;
  }
  EXPECT_FALSE(LoadResourceString(1, s_style).empty()) << "the style's display name";
}

TEST_F(Style1Test, FrontPlacementsLieOnTheFrontSamplePhoto) {
  CSize photo = PictureSize("IDB_PHOTO_W1");
  CRect face, eyes, lips;
  ASSERT_TRUE(LoadCustomWndRect("IDR_FACE_FRONT_FACE", &face, s_style));
  ASSERT_TRUE(LoadCustomWndRect("IDR_FACE_FRONT_EYES", &eyes, s_style));
  ASSERT_TRUE(LoadCustomWndRect("IDR_FACE_FRONT_LIPS", &lips, s_style));
  auto inside = [](CRect inner, CRect outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
  };
  EXPECT_TRUE(inside(face, CRect(CPoint(0, 0), photo)));
  EXPECT_TRUE(inside(eyes, face));
  EXPECT_TRUE(inside(lips, face));
  EXPECT_LT(eyes.bottom, lips.top) << "eyes above the lips";
  // Items placed on a line take its angle: on an upright portrait the lines are level.
  EXPECT_EQ(eyes.top, eyes.bottom);
  EXPECT_EQ(lips.top, lips.bottom);
}

}  // namespace
