// Fitting in the program: the "AutoFitFace" setting decides whether a new
// photo is fitted, the fitted shape becomes the select-by-type dialog's
// suggestion, and the dialog chooses that entry.
#include <gtest/gtest.h>

#include "app/shell/face_fit_commands.h"
#include "app/shell/item_dialogs/item_dialogs.h"
#include "app/shell/settings/settings.h"
#include "controls/zor_dib_list_ctrl.h"
#include "tests/document/document_fixture.h"

namespace {

const std::string kHopper = std::string(KELVORA_SOURCE_DIR) + "/styles/Style_1/photos/grace_hopper.jpg";

class FaceFitCommands : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    host.client = {1024, 768};
    ASSERT_TRUE(SetPhotoFromFile(kHopper));
  }
  CSettings settings;
};

TEST_F(FaceFitCommands, ANewPhotoIsFittedOnlyWhileTheSettingIsOn) {
  CProjection& front = *document.GetProjection(0);
  const auto before = front.FaceFrame().GetGeometry();
  settings.autoFitFace = false;
  FitNewPhoto(document, 0, settings);
  EXPECT_EQ(front.FaceFrame().GetGeometry(), before);
  EXPECT_EQ(SuggestedFaceShape(document), "");

  settings.autoFitFace = true;
  FitNewPhoto(document, kBodyProjection, settings);  // the body set has no face to fit
  EXPECT_EQ(front.FaceFrame().GetGeometry(), before);
  FitNewPhoto(document, 0, settings);
  EXPECT_NE(front.FaceFrame().GetGeometry(), before);
  EXPECT_EQ(front.FaceFrame().GetUndoName(), "Fit Face");
  EXPECT_NE(SuggestedFaceShape(document), "");
}

TEST(SelectFaceTypeDialog, TheSuggestedShapeIsChosenAndNamed) {
  CSelectFaceTypeDialog dialog(std::string(KELVORA_BASES_DIR) + "/Common.hbd");
  ASSERT_EQ(dialog.List()->GetCount(), 5);
  dialog.SuggestShape("Heart");  // not among the types: nothing chosen
  EXPECT_EQ(dialog.ShapeName(), "");
  EXPECT_EQ(dialog.SuggestionText(), "");
  dialog.SuggestShape("OVAL");
  EXPECT_EQ(dialog.ShapeName(), "Oval");
  EXPECT_EQ(dialog.SuggestionText(), "Suggested from the photo: Oval");
}

}  // namespace
