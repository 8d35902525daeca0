// The camera object's walk through the TWAIN states against the stand-in
// manager: the triplets in their order, the transfers, the unwinding and
// what the user is told.
#include <gmock/gmock.h>

#include "imagelib/dib.h"
#include "tests/imagelib/test_images.h"
#include "tests/camera/camera_expectations.h"
#include "tests/camera/camera_fixture.h"
#include "tests/camera/strip_camera.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(CameraTest, TheCameraStartsWithTheStandardsIdentityInStateOne) {
  ASSERT_NE(fake, nullptr) << "the stand-in manager did not load";
  EXPECT_EQ(camera.State(), 1);
  const TW_IDENTITY id = camera.AppIdentity();  // packed: read by value
  EXPECT_EQ(+id.Id, 0u);
  EXPECT_EQ(+id.Version.MajorNum, 1);
  EXPECT_EQ(+id.Version.MinorNum, 0);
  EXPECT_EQ(+id.Version.Language, TWLG_USA);
  EXPECT_EQ(+id.Version.Country, TWCY_USA);
  EXPECT_STREQ(id.Version.Info, "<?>");
  EXPECT_EQ(+id.ProtocolMajor, 1);
  EXPECT_EQ(+id.ProtocolMinor, 9);
  EXPECT_EQ(+id.SupportedGroups, DG_CONTROL | DG_IMAGE);
  EXPECT_STREQ(id.Manufacturer, "<?>");
  EXPECT_STREQ(id.ProductFamily, "<?>");
  EXPECT_STREQ(id.ProductName, "<?>");
  EXPECT_TRUE(camera.ShowUserInterface());
  EXPECT_EQ(camera.TransferMechanism(), TWSX_NATIVE);
}

TEST_F(CameraTest, AFullAcquisitionWalksUpToSevenAndBackWithTheTripletsInOrder) {
  user.queue.push_back(MSG_NULL);  // an ordinary message already waiting
  ASSERT_TRUE(camera.AcquireInto(2));
  EXPECT_THAT(Triplets(), ElementsAre(kOpenDsm, kOpenDs, kSetCap, kEnable,
                                      kEvent,  // the ordinary message: not the source's
                                      kEvent,  // MSG_XFERREADY
                                      "DAT_IMAGENATIVEXFER MSG_GET -> source", kStatusOfSource, kEndXfer,
                                      kEvent,  // MSG_CLOSEDSREQ when the user closes the window
                                      kDisable));
  EXPECT_EQ(user.dispatched, 1);
  EXPECT_EQ(user.windowsShown, 1);
  EXPECT_EQ(user.broughtToTop, 1);
  EXPECT_FALSE(user.window) << "disabling took the source's window down";
  EXPECT_EQ(camera.State(), 4);

  EXPECT_EQ(document.GetProjectionIndex(-1), 2);
  ExpectFakePicture(document.GetProjection(2)->GetPhoto(), 6, 5);
  EXPECT_THAT(host.entered, ElementsAre(2)) << "the photo is announced";
  EXPECT_THAT(Messages(), IsEmpty());

  // The frame closing brings the link down to state 1.
  EXPECT_TRUE(camera.UnwindTo(1));
  EXPECT_THAT(Triplets(), ElementsAre(kCloseDs, kCloseDsm));
  EXPECT_EQ(camera.State(), 1);
}

TEST_F(CameraTest, ASecondAcquisitionUsesTheOpenSource) {
  ASSERT_TRUE(camera.AcquireInto(0));
  Triplets();
  user.presses = 1;
  ASSERT_TRUE(camera.AcquireInto(1));
  EXPECT_EQ(Triplets().front(), kSetCap) << "state 4 is kept between acquisitions";
  ExpectFakePicture(document.GetProjection(1)->GetPhoto(), 6, 5);
}

TEST_F(CameraTest, MemoryAndFileTransfersDeliverTheSamePicture) {
  fake->width = 33;  // rows that need padding in the image
  fake->height = 40;  // three strips of the source's preferred size
  camera.SetTransferMechanism(TWSX_MEMORY);
  ASSERT_TRUE(camera.AcquireInto(0));
  std::vector<std::string> log = Triplets();
  EXPECT_THAT(std::vector<std::string>(log.begin() + 5, log.begin() + 9),
              ElementsAre("DAT_SETUPMEMXFER MSG_GET -> source", "DAT_IMAGEINFO MSG_GET -> source",
                          "DAT_IMAGEMEMXFER MSG_GET -> source", "DAT_IMAGEMEMXFER MSG_GET -> source"));
  EXPECT_NE(std::find(log.begin(), log.end(), kEndXfer), log.end());
  ExpectFakePicture(document.GetProjection(0)->GetPhoto(), 33, 40);

  camera.SetTransferMechanism(TWSX_FILE);
  user.presses = 1;
  ASSERT_TRUE(camera.AcquireInto(3));
  log = Triplets();
  EXPECT_THAT(std::vector<std::string>(log.begin() + 3, log.begin() + 7),
              ElementsAre("DAT_SETUPFILEXFER MSG_GET -> source", "DAT_SETUPFILEXFER MSG_SET -> source",
                          "DAT_IMAGEFILEXFER MSG_GET -> source", kStatusOfSource));
  ExpectFakePicture(document.GetProjection(3)->GetPhoto(), 33, 40);
  EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(CameraTest, WithoutItsWindowTheSourceTakesOnePictureAndAsksToClose) {
  camera.SetShowUserInterface(false);
  ASSERT_TRUE(camera.AcquireInto(1));
  EXPECT_EQ(user.windowsShown, 0);
  EXPECT_EQ(camera.State(), 4);
  ExpectFakePicture(document.GetProjection(1)->GetPhoto(), 6, 5);
}

TEST_F(CameraTest, TheUserClosingTheWindowEndsWithoutAPicture) {
  user.presses = 0;
  const CLayer* before = document.GetProjection(0)->GetPhoto();
  ASSERT_TRUE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 4);
  EXPECT_EQ(document.GetProjection(0)->GetPhoto(), before);
  EXPECT_THAT(Messages(), IsEmpty());
}

// Each failing step reports its code, says so, and unwinds to the state the
// acquisition began in.
TEST_F(CameraTest, AFailedStepUnwindsToTheStartAndSaysWhatFailed) {
  fake->failOnce[kOpenDsm] = TWCC_BUMMER;
  EXPECT_FALSE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 1);
  EXPECT_THAT(Triplets(), ElementsAre(kOpenDsm + " (failed)"));
  EXPECT_EQ(camera.ConditionCode(), TWCC_SEQERROR) << "below state 3 the manager cannot be asked";

  fake->devices = 0;
  EXPECT_FALSE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 1);
  EXPECT_THAT(Triplets(), ElementsAre(kOpenDsm, kOpenDs, kStatusOfManager, kCloseDsm));
  EXPECT_EQ(camera.ConditionCode(), TWCC_NODS);

  fake->devices = 1;
  fake->failOnce["DAT_USERINTERFACE MSG_ENABLEDS"] = TWCC_OPERATIONERROR;
  EXPECT_FALSE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 1);
  EXPECT_THAT(Triplets(), ElementsAre(kOpenDsm, kOpenDs, kSetCap, kEnable + " (failed)", kStatusOfSource, kCloseDs,
                                      kCloseDsm));
  EXPECT_EQ(camera.ConditionCode(), TWCC_OPERATIONERROR);

  EXPECT_THAT(Messages(), ElementsAre("No camera or scanner was found.", "No camera or scanner was found.",
                                      "The camera could not be started."));
  EXPECT_TRUE(document.GetProjection(0)->GetPhoto() == nullptr);
}

TEST_F(CameraTest, AFailureFromAnOpenSourceUnwindsOnlyToState4) {
  ASSERT_TRUE(camera.AcquireInto(0));
  Triplets();
  fake->failOnce["DAT_CAPABILITY MSG_SET"] = TWCC_BADVALUE;
  EXPECT_FALSE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 4);
  EXPECT_THAT(Triplets(), ElementsAre(kSetCap + " (failed)", kStatusOfSource));
  EXPECT_THAT(Messages(), ElementsAre("The camera could not be started."));
}

TEST_F(CameraTest, ADeviceThatFailsClosesAndAFailedTransferIsDiscarded) {
  fake->captureFails = true;
  ASSERT_TRUE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 4) << "the source asked to close";
  EXPECT_EQ(document.GetProjection(0)->GetPhoto(), nullptr);
  EXPECT_THAT(Messages(), ElementsAre("The picture could not be taken from the camera."));

  // A native transfer that fails would be asked for again for ever: the
  // pending picture is discarded and the user told.
  fake->captureFails = false;
  fake->failOnce["DAT_IMAGENATIVEXFER MSG_GET"] = TWCC_LOWMEMORY;
  user.presses = 1;
  Triplets();
  ASSERT_TRUE(camera.AcquireInto(0));
  std::vector<std::string> log = Triplets();
  EXPECT_THAT(std::vector<std::string>(log.begin() + 3, log.begin() + 6),
              ElementsAre("DAT_IMAGENATIVEXFER MSG_GET -> source (failed)", kStatusOfSource, kReset));
  EXPECT_EQ(camera.ConditionCode(), TWCC_LOWMEMORY);
  EXPECT_EQ(camera.State(), 4);
  EXPECT_THAT(Messages(), ElementsAre("The picture could not be taken from the camera.",
                                      "The picture could not be taken from the camera."));
}

TEST_F(CameraTest, ACapabilityOutsideStateFourIsRefusedWithCodeThree) {
  EXPECT_FALSE(camera.SetCapability(ICAP_XFERMECH, TWTY_UINT16, TWSX_NATIVE));
  EXPECT_THAT(Messages(), ElementsAre("The camera could not be set up."));
  EXPECT_THAT(Triplets(), IsEmpty());
}

TEST_F(CameraTest, ARefusedContainerAsksRetryOrCancel) {
  int asked = 0;
  camera.SetContainerAllocator([&](std::size_t bytes) -> HGLOBAL {
    return ++asked < 3 ? nullptr : MemoryBlockAlloc(bytes);
  });
  messages.QueueAnswer(IDRETRY);
  messages.QueueAnswer(IDRETRY);
  ASSERT_TRUE(camera.AcquireInto(0)) << "the third try has memory";
  EXPECT_EQ(asked, 3);
  ASSERT_EQ(messages.messages().size(), 2u);
  EXPECT_EQ(messages.messages()[0].text, "Internal error while preparing for TWAIN acquire.");
  EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::RetryCancel);

  camera.UnwindTo(1);
  camera.SetContainerAllocator([](std::size_t) -> HGLOBAL { return nullptr; });
  messages.QueueAnswer(IDCANCEL);
  EXPECT_FALSE(camera.AcquireInto(0));
  EXPECT_EQ(camera.State(), 1);
  EXPECT_EQ(Messages().back(), "The camera could not be started.");
}

TEST_F(CameraTest, SelectingASourceAsksTheUserAndReturnsToTheStartingState) {
  user.choice = 1;
  EXPECT_TRUE(camera.SelectSource());
  EXPECT_THAT(Triplets(), ElementsAre(kOpenDsm, "DAT_IDENTITY MSG_GETDEFAULT", "DAT_IDENTITY MSG_USERSELECT",
                                      kCloseDsm));
  EXPECT_THAT(user.offered, ElementsAre("Fake camera 1", "Fake camera 2"));
  EXPECT_EQ(camera.State(), 1);
  EXPECT_STREQ(camera.SourceIdentity().ProductName, "Fake camera 2");

  ASSERT_TRUE(camera.AcquireInto(0));
  EXPECT_THAT(fake->openedDevices, ElementsAre("Fake camera 2")) << "the choice is the default now";

  user.choice = -1;
  Triplets();
  EXPECT_FALSE(camera.SelectSource()) << "cancelled";
  EXPECT_EQ(camera.State(), 4);
  EXPECT_EQ(user.offeredCurrent, 1);
}

TEST(CameraManager, AMissingOrForeignManagerLeavesStateOneAndSaysSo) {
  CRecordingMessageBoxService messages;
  CKelvoraDoc document;
  {
    CFrameCamera camera("/nonexistent/libkvtwain.so", document);
    EXPECT_FALSE(camera.AcquireInto(0));
    EXPECT_EQ(camera.State(), 1);
    EXPECT_FALSE(camera.SelectSource());
  }
  {
    // A library without the entry is unloaded again.
    CFrameCamera camera(KELVORA_LIBRARY_WITHOUT_ENTRY, document);
    EXPECT_FALSE(camera.AcquireInto(0));
    EXPECT_EQ(camera.State(), 1);
  }
  ASSERT_EQ(messages.messages().size(), 3u);
  for (const auto& message : messages.messages())
    EXPECT_EQ(message.text, "Camera and scanner support is not installed.");
}

// A strip that claims more than its buffer holds, or rows outside the image,
// is read only as far as both reach.
TEST(CameraStrips, StripsAreClippedToTheirBufferAndTheImage) {
  CStripCamera camera;
  TW_IMAGEINFO info{};
  info.ImageWidth = 4;
  info.ImageLength = 2;
  info.BitsPerPixel = 24;
  info.PixelType = TWPT_RGB;
  ASSERT_TRUE(camera.OnImageInfo(info));
  std::vector<TW_UINT8> rows(4 * 3 * 2, 0x11);
  TW_IMAGEMEMXFER strip{};
  strip.BytesPerRow = 12;
  strip.Columns = 1000;  // past the row
  strip.Rows = 50;       // past the buffer
  strip.YOffset = 1;     // the second row fits, the rest lies outside
  strip.BytesWritten = 5000;
  strip.Memory = TW_MEMORY{TWMF_APPOWNS | TWMF_POINTER, static_cast<TW_UINT32>(rows.size()), rows.data()};
  camera.OnMemoryStrip(strip);
  CDib image;
  ASSERT_TRUE(image.Create(camera.TakeMemoryImage()));
  EXPECT_EQ(testimages::PixelAt(image, 0, 0), (testimages::Bgr{0, 0, 0}));
  EXPECT_EQ(testimages::PixelAt(image, 3, 1), (testimages::Bgr{0x11, 0x11, 0x11}));

  info.PixelType = 0;  // grey is not what the image library holds
  EXPECT_FALSE(camera.OnImageInfo(info));
}

}  // namespace
