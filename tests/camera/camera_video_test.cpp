// A webcam as a TWAIN source: the plug-in's video device over a stand-in
// stream that shows a fixed picture, walked through the states with its
// live picture, through every transfer mechanism, and failing.
#include <gmock/gmock.h>

#include "tests/camera/camera_expectations.h"
#include "tests/camera/camera_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WebcamTest : public CameraTest {
 protected:
  WebcamTest() {
    if (fake) fake->video = true;
  }
};

TEST_F(WebcamTest, AnAcquisitionStreamsWhileEnabledAndWalksBackToOne) {
  ASSERT_NE(fake, nullptr);
  user.choice = 0;
  ASSERT_TRUE(camera.SelectSource());
  EXPECT_THAT(user.offered, ElementsAre("Fake webcam"));
  Triplets();

  ASSERT_TRUE(camera.AcquireInto(2));
  EXPECT_THAT(Triplets(), ElementsAre(kOpenDsm, kOpenDs, kSetCap, kEnable, kEvent,
                                      "DAT_IMAGENATIVEXFER MSG_GET -> source", kStatusOfSource, kEndXfer, kEvent,
                                      kDisable));
  EXPECT_EQ(user.previewFrames, 1) << "the window watched the stream";
  EXPECT_EQ(fake->videoStarts, 1);
  EXPECT_EQ(fake->videoStops, 1) << "disabling the source stopped the camera";
  EXPECT_FALSE(user.window);
  ExpectFakePicture(document.GetProjection(2)->GetPhoto(), 6, 5);
  EXPECT_THAT(host.entered, ElementsAre(2));
  EXPECT_THAT(Messages(), IsEmpty());

  EXPECT_TRUE(camera.UnwindTo(1));
  EXPECT_THAT(Triplets(), ElementsAre(kCloseDs, kCloseDsm));
  EXPECT_EQ(fake->videoStops, 1);
}

class WebcamMechanisms : public WebcamTest, public ::testing::WithParamInterface<TW_UINT16> {};

// Rows that need padding in the DIB and several memory strips.
TEST_P(WebcamMechanisms, DeliverTheFrameExactly) {
  fake->width = 33;
  fake->height = 40;
  camera.SetTransferMechanism(GetParam());
  ASSERT_TRUE(camera.AcquireInto(1));
  ExpectFakePicture(document.GetProjection(1)->GetPhoto(), 33, 40);
  EXPECT_THAT(Messages(), IsEmpty());
  EXPECT_FALSE(fake->videoStreaming);

  // Without its window the source takes the photo at once and stops.
  camera.SetShowUserInterface(false);
  fake->width = 7;
  ASSERT_TRUE(camera.AcquireInto(3));
  ExpectFakePicture(document.GetProjection(3)->GetPhoto(), 7, 40);
  EXPECT_EQ(user.windowsShown, 1);
  EXPECT_EQ(fake->videoStarts, 2);
  EXPECT_FALSE(fake->videoStreaming);
}

INSTANTIATE_TEST_SUITE_P(EveryMechanism, WebcamMechanisms, ::testing::Values(TWSX_NATIVE, TWSX_MEMORY, TWSX_FILE));

TEST_F(WebcamTest, ACameraThatFailsUnwindsAndSaysWhatFailed) {
  fake->videoStartFails = true;
  EXPECT_FALSE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 1);
  EXPECT_THAT(Triplets(), ElementsAre(kOpenDsm, kOpenDs, kSetCap, kEnable, kStatusOfSource, kCloseDs, kCloseDsm));
  EXPECT_EQ(camera.ConditionCode(), TWCC_OPERATIONERROR);
  EXPECT_EQ(user.windowsShown, 0);
  EXPECT_THAT(Messages(), ElementsAre("The camera could not be started."));

  // A stream that gives no frame: no photo, the user told, the camera stopped.
  fake->videoStartFails = false;
  fake->captureFails = true;
  ASSERT_TRUE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 4);
  EXPECT_EQ(document.GetProjection(0)->GetPhoto(), nullptr);
  EXPECT_FALSE(fake->videoStreaming);
  EXPECT_THAT(Messages(), ElementsAre("The camera could not be started.",
                                      "The picture could not be taken from the camera."));
}

}  // namespace
