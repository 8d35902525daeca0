// The camera's dialogs against the generated default style: the device
// list's numbers fit under their pictures, and the source window's buttons
// are the style's, each the size of its place.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPushButton>

#include "app/shell/camera/camera_dialogs.h"
#include "app/shell/camera/source_window.h"
#include "controls/skin_resources.h"
#include "controls/zor_button.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/core/message_box.h"
#include "platform/qt/dialog_template.h"
#include "tests/styles/generated_style_fixture.h"

namespace {

class CameraStyleTest : public GeneratedStyleTest {
 protected:
  CameraStyleTest() { SetImageInstance(s_style); }
  ~CameraStyleTest() override { SetImageInstance(nullptr); }
  CRecordingMessageBoxService messages;
};

TEST_F(CameraStyleTest, TheDeviceNumbersFitUnderTheirPictures) {
  const std::vector<std::string> names(12, "SANE test device");
  CDeviceChoiceDialog dialog(names, 0);
  CZORDibListCtrl& list = *dialog.List();
  const QRect caption = list.CaptionRect();
  ASSERT_FALSE(caption.isEmpty()) << "the list found its cells";
  for (bool bold : {false, true}) {
    const QFontMetrics metrics(list.CaptionFont(bold));
    EXPECT_GE(caption.height(), metrics.height()) << (bold ? "bold" : "normal") << ": the number's line is cut";
    EXPECT_GE(caption.width(), metrics.horizontalAdvance("12")) << "the widest number is shortened";
  }
  // The whole cell, caption and all, lies inside the list's visible area.
  EXPECT_LE(list.Geometry().ItemSize().cy, list.Geometry().WorkRect().Height());
}

TEST_F(CameraStyleTest, TheSourceWindowsButtonsAreTheStylesAndFitTheirPlaces) {
  for (const char* action : {"Take photo", "Scan"}) {
    TwainSourceWindow spec;
    spec.actionText = action;
    CSourceWindow window(spec);
    const char* bases[] = {std::string(action) == "Scan" ? "SOURCE_SCAN" : "SOURCE_PHOTO", "SOURCE_CLOSE"};
    const UINT ids[] = {kSourceActionId, kSourceCloseId};
    for (int i = 0; i < 2; ++i) {
      auto* button = dynamic_cast<CZORButton*>(GetDlgItem(window.Buttons(), ids[i]));
      ASSERT_NE(button, nullptr) << action << ": " << bases[i] << " is a skinned button";
      const CSize picture = PictureSize(std::string(bases[i]) + "_D1");
      ASSERT_NE(picture, CSize(0, 0)) << bases[i];
      EXPECT_EQ(picture, CSize(button->width(), button->height())) << bases[i];
      EXPECT_TRUE(window.Buttons()->rect().contains(button->geometry())) << bases[i];
    }
  }
}

}  // namespace
