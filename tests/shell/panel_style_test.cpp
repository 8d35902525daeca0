// Every control of every panel, as the forms lay them out, against the
// generated default style: each finds its pictures, the pictures of one
// control agree in size with each other and with the place the form gives
// it, and no control covers another or reaches past its panel's picture.
// A control sizes itself by its first picture without moving, so a form
// and a style that disagree show as overlapping or clipped controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/shell/panels/panel_table.h"
#include "app/shell/panels/skin_panel.h"
#include "app/shell/sign_dialog.h"
#include "controls/skin_resources.h"
#include "controls/zor_button.h"
#include "imagelib/dib.h"
#include "platform/core/message_box.h"
#include "platform/core/zip_resource_module.h"
#include "tests/styles/generated_style_fixture.h"
#include "platform/qt/dialog_template.h"

// Sizes read as "(w x h)" in failure messages.
void PrintTo(const CSize& size, std::ostream* out) { *out << "(" << size.cx << " x " << size.cy << ")"; }

namespace {

class PanelStyleTest : public GeneratedStyleTest {
 protected:
  static bool Has(const std::string& name) { return PictureSize(name) != CSize(0, 0); }
  static CSize SlotSize(const QWidget* item) { return CSize(item->width(), item->height()); }

  static void CheckButton(const std::string& where, const std::string& base, const QWidget* item, bool toggle) {
    CSize size = PictureSize(base + "_D1");
    ASSERT_NE(size, CSize(0, 0)) << where << ": no first frame";
    EXPECT_EQ(size, SlotSize(item)) << where << ": the form's place and the picture differ";
    int frames = 1;
    while (Has(base + "_D" + std::to_string(frames + 1))) ++frames;
    EXPECT_GE(frames, 2) << where << (toggle ? ": a toggle shows off and on" : ": a button shows its press");
    for (int frame = 2; frame <= frames; ++frame)
      EXPECT_EQ(PictureSize(base + "_D" + std::to_string(frame)), size) << where << " frame " << frame;
    for (const char* state : {"_MOUSEIN", "_DOWNMOUSEIN", "_DISABLED"})
      EXPECT_EQ(PictureSize(base + state), size) << where << state;
  }

  static void CheckSlider(const std::string& where, const std::string& base, const QWidget* item) {
    for (const char* part : {"_BACKGROUND", "_TRACK"})
      EXPECT_EQ(PictureSize(base + part), SlotSize(item)) << where << part;
    CSize thumb = PictureSize(base + "_THUMB");
    ASSERT_NE(thumb, CSize(0, 0)) << where << ": no thumb";
    EXPECT_EQ(PictureSize(base + "_ACTION"), thumb) << where;
    bool horizontal = item->width() > item->height();
    EXPECT_LE(horizontal ? thumb.cy : thumb.cx, horizontal ? item->height() : item->width())
        << where << ": the thumb is wider than the slider";
  }

  // A picture that shows one of its frames: the projection picture has one a
  // projection, the item panel's layer name one an item kind.
  static void CheckFramePicture(const std::string& where, const std::string& base, const QWidget* item) {
    CSize size = PictureSize(base + "_D1");
    EXPECT_EQ(size, SlotSize(item)) << where << ": the form's place and the picture differ";
    int frames = 1;
    while (Has(base + "_D" + std::to_string(frames + 1))) {
      ++frames;
      EXPECT_EQ(PictureSize(base + "_D" + std::to_string(frames)), size) << where << " frame " << frames;
    }
    if (base == "TOOL_SET_PRJ") EXPECT_EQ(frames, 5) << where;
    if (base == "LAYERNAME_BASE") EXPECT_EQ(frames, 9) << where;
  }

  // The item list shows three cells a line with its scroll strip beside them.
  static void CheckThumbnailList(const std::string& where, const std::string& base, const QWidget* item) {
    CSize cell = PictureSize(base + "_NORMAL");
    ASSERT_NE(cell, CSize(0, 0)) << where;
    for (const char* state : {"_SELECTED", "_FOCUSED", "_BACK"})
      EXPECT_EQ(PictureSize(base + state), cell) << where << state;
    CSize strip = PictureSize(base + "_SRLBACK");
    EXPECT_EQ(strip.cy, item->height()) << where << ": the scroll strip runs the list's height";
    for (const char* thumb : {"_SRLTHUMB", "_SRLTHUMB_ACT"})
      EXPECT_EQ(PictureSize(base + thumb).cx, strip.cx) << where << thumb;
    EXPECT_LE(3 * cell.cx + strip.cx, item->width()) << where << ": three cells and the strip do not fit";
    EXPECT_GE(item->height(), cell.cy) << where;
  }
};

TEST_F(PanelStyleTest, EveryControlOfEveryPanelHasPicturesThatFitItsPlace) {
  int checked = 0;
  for (const PanelSpec& spec : PanelTable()) {
    QWidget form;
    ASSERT_TRUE(SetUpPanelTemplate(spec.templateId, &form));
    const std::string panel = "panel " + std::to_string(spec.templateId);
    CSize pattern = PictureSize(spec.pattern);
    ASSERT_NE(pattern, CSize(0, 0)) << panel << ": " << spec.pattern;
    if (spec.extPattern) {
      CSize ext = PictureSize(spec.extPattern);
      EXPECT_EQ(ext.cy, pattern.cy) << panel << ": the extension continues the bar";
    }

    std::vector<std::pair<std::string, QRect>> places;
    for (QWidget* item : form.findChildren<QWidget*>()) {
      if (!GetDlgCtrlID(item)) continue;
      const std::string base = DialogItemCaption(item);
      const std::string where = panel + " " + item->objectName().toStdString() + " (" + base + ")";
      if (qobject_cast<QCheckBox*>(item)) CheckButton(where, base, item, true), ++checked;
      else if (qobject_cast<QPushButton*>(item)) CheckButton(where, base, item, false), ++checked;
      else if (qobject_cast<QSlider*>(item)) CheckSlider(where, base, item), ++checked;
      else if (base == "BASELIST") CheckThumbnailList(where, base, item), ++checked;
      else if (base == "TOOL_SET_PRJ" || base.starts_with("LAYERNAME_")) CheckFramePicture(where, base, item), ++checked;
      // Controls placed by the style itself keep clear of the form.
      CPoint position;
      if (LoadCustomWndPos((base + "_POS").c_str(), &position, s_style)) continue;
      QRect place = item->geometry();
      EXPECT_TRUE(QRect(0, 0, pattern.cx, pattern.cy).contains(place)) << where << ": reaches past the panel's picture";
      for (const auto& [other, otherPlace] : places)
        EXPECT_FALSE(place.intersects(otherPlace)) << where << " covers " << other;
      places.emplace_back(where, place);
    }
  }
  EXPECT_GT(checked, 60) << "the walk found the panels' controls";
}

// A bar longer than its picture and without an extension picture carries
// the picture's last row (side panels) or column (top bar) on, instead of
// showing black past it.
TEST_F(PanelStyleTest, BarsLongerThanTheirPictureCarryItsFarEdgeOn) {
  CRecordingMessageBoxService messages;
  SetImageInstance(s_style);
  for (unsigned templateId : {109u, 102u}) {
    const PanelSpec* spec = nullptr;
    for (const PanelSpec& candidate : PanelTable())
      if (candidate.templateId == templateId) spec = &candidate;
    ASSERT_TRUE(spec && !spec->extPattern) << templateId;
    QWidget frame;
    CSkinPanel panel(*spec, &frame);
    ASSERT_TRUE(panel.Create(SetUpPanelTemplate)) << templateId;
    CSize pattern = PictureSize(spec->pattern);
    const bool across = spec->side == DockSide::Top;
    panel.resize(across ? pattern.cx + 300 : pattern.cx, across ? pattern.cy : pattern.cy + 300);
    QImage shown = panel.grab().toImage();
    // Away from the controls: the middle of the bar's depth, its far edge.
    QPoint edge = across ? QPoint(pattern.cx - 1, pattern.cy / 2) : QPoint(pattern.cx / 2, pattern.cy - 1);
    QPoint beyond = across ? QPoint(pattern.cx + 250, pattern.cy / 2) : QPoint(pattern.cx / 2, pattern.cy + 250);
    EXPECT_EQ(shown.pixelColor(beyond), shown.pixelColor(edge)) << templateId;
    EXPECT_NE(shown.pixelColor(beyond), QColor(Qt::black)) << templateId;
  }
  SetImageInstance(nullptr);
}

// On a screen of twice the density the bar shows the style's double
// pictures pixel for pixel: its background and a button's frame, each over
// the logical place of its plain picture.
TEST_F(PanelStyleTest, BarsAndButtonsShowTheDoublePicturesAtDoubleDensity) {
  CRecordingMessageBoxService messages;
  SetImageInstance(s_style);
  const PanelSpec* spec = nullptr;
  for (const PanelSpec& candidate : PanelTable())
    if (candidate.templateId == 102u) spec = &candidate;  // the top bar
  ASSERT_TRUE(spec);
  QWidget frame;
  CSkinPanel panel(*spec, &frame);
  ASSERT_TRUE(panel.Create(SetUpPanelTemplate));
  const CZORButton* undo = nullptr;
  for (const CZORButton* button : panel.findChildren<CZORButton*>())
    if (button->GetWindowText() == "TOOL_UNDO") undo = button;
  ASSERT_TRUE(undo);
  panel.resize(PictureSize(spec->pattern).cx, PictureSize(spec->pattern).cy);
  QImage shown(panel.size() * 2, QImage::Format_RGB32);
  shown.setDevicePixelRatio(2);
  panel.render(&shown);

  CDib background, button;
  ASSERT_TRUE(background.LoadFromResource(ScaledResourceName(spec->pattern, 2).c_str(), "", s_style));
  ASSERT_TRUE(button.LoadFromResource("TOOL_UNDO_D1@2x", "", s_style));
  auto pixel = [](CDib& picture, int x, int y) {
    const unsigned char* bgr =
        picture.LockBits() + static_cast<std::size_t>(picture.Height() - 1 - y) * picture.RowLength() + 3 * x;
    QColor colour(bgr[2], bgr[1], bgr[0]);
    picture.UnlockBits();
    return colour;
  };
  const QPoint origin = undo->pos() * 2;
  int differing = 0;
  for (int y = 0; y < button.Height(); ++y)
    for (int x = 0; x < button.Width(); ++x) {
      QColor expected = pixel(button, x, y);
      if (expected == QColor(Qt::black)) expected = pixel(background, origin.x() + x, origin.y() + y);
      differing += shown.pixelColor(origin.x() + x, origin.y() + y) != expected;
    }
  EXPECT_EQ(differing, 0);
  SetImageInstance(nullptr);
}

// The sign dialog takes its picture's size and keeps its fields between the
// picture's heading band and its footer band, its buttons on the footer.
TEST_F(PanelStyleTest, SignDialogLaysItsFieldsOutOnItsPicture) {
  CRecordingMessageBoxService messages;
  SetImageInstance(s_style);
  const std::string profile = (std::filesystem::temp_directory_path() / "kelvora-sign-layout.ini").string();
  CSignDialog dialog(profile);
  dialog.show();
  CSize picture = PictureSize("IDB_SELECTSIGN");
  ASSERT_EQ(dialog.size(), QSize(picture.cx, picture.cy));
  const int headingBand = 56, footerTop = picture.cy - 48;
  for (const QWidget* field : {static_cast<QWidget*>(dialog.TextField()), static_cast<QWidget*>(dialog.FontList())})
    EXPECT_GE(field->geometry().top(), headingBand);
  QWidget* preview = nullptr;
  for (QWidget* child : dialog.findChildren<QWidget*>())
    if (child->property("controlId").toInt() == 1221) preview = child;
  ASSERT_TRUE(preview);
  EXPECT_LT(preview->geometry().bottom(), footerTop) << "the preview stops short of the footer";
  EXPECT_GE(preview->height(), 70);
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
    QRect place(button->mapTo(&dialog, QPoint(0, 0)), button->size());
    EXPECT_GT(place.top(), footerTop) << "buttons sit on the footer band";
    EXPECT_LE(place.bottom(), picture.cy);
  }
  SetImageInstance(nullptr);
}

}  // namespace
