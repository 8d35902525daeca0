// The source manager plug-in over SANE's test back end: a "test" device
// configured through SANE's configuration folder, acquired through every
// transfer mechanism, with and without its window.
#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>

#include "tests/camera/camera_fixture.h"
#include "tests/imagelib/test_images.h"
#include "platform/twain/sane_devices.h"
#include "tests/test_files.h"

// Allocations SANE's test back end never frees.
extern "C" const char* __lsan_default_suppressions() { return "leak:libsane-test\n"; }

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// SANE reads its configuration once, when the plug-in first starts it; every
// test of this program shares that one configuration.
class SaneEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    std::ofstream(config.File("dll.conf")) << "test\n";
    // A 0.8 x 0.4 inch colour pattern at 50 dpi: 39 x 19 pixels, as the
    // back end rounds.
    std::ofstream(config.File("test.conf")) << "number_of_devices 1\nmode Color\ndepth 8\n"
                                               "test-picture \"Color pattern\"\nresolution 50.0\n"
                                               "tl_x 0.0\ntl_y 0.0\nbr_x 20.32\nbr_y 10.16\n";
    ::setenv("SANE_CONFIG_DIR", config.File("").c_str(), 1);
    // SANE unloads its back end at the end; kept loaded, the back end's own
    // leaks are named and passed over below.
    ::dlopen(KELVORA_SANE_TEST_BACKEND, RTLD_NOW | RTLD_NODELETE);
  }
  TemporaryFolder config;
};

const CSize kAt50Dpi(39, 19);

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new SaneEnvironment);

class SaneCamera : public ::testing::Test {
 protected:
  SaneCamera() {
    camera.SetParentWindow(static_cast<CTwainParent*>(&user));
    camera.SetMessageLoop(&user);
  }
  CSize PhotoSize(int projection) {
    const CLayer* photo = document.GetProjection(projection)->GetPhoto();
    return photo ? photo->GetImage()->GetSize() : CSize();
  }

  CRecordingMessageBoxService messages;
  CKelvoraDoc document;
  CScriptedUser user;
  CFrameCamera camera{KELVORA_TWAIN_PLUGIN, document};
};

TEST_F(SaneCamera, TheTestDeviceIsOfferedAndScansThroughEveryMechanism) {
  user.choice = 0;
  ASSERT_TRUE(camera.SelectSource());
  ASSERT_EQ(user.offered.size(), 1u);
  EXPECT_NE(user.offered[0].find("test:0"), std::string::npos) << user.offered[0];

  camera.SetShowUserInterface(false);
  ASSERT_TRUE(camera.AcquireInto(0));
  EXPECT_EQ(PhotoSize(0), kAt50Dpi);
  camera.SetTransferMechanism(TWSX_MEMORY);
  ASSERT_TRUE(camera.AcquireInto(1));
  EXPECT_EQ(PhotoSize(1), kAt50Dpi);
  camera.SetTransferMechanism(TWSX_FILE);
  ASSERT_TRUE(camera.AcquireInto(2));
  EXPECT_EQ(PhotoSize(2), kAt50Dpi);
  EXPECT_THAT(messages.messages(), IsEmpty());

  // The three pictures are one picture.
  CDib& native = *document.GetProjection(0)->GetPhoto()->GetImage();
  CDib& memory = *document.GetProjection(1)->GetPhoto()->GetImage();
  CDib& file = *document.GetProjection(2)->GetPhoto()->GetImage();
  for (int y = 0; y < kAt50Dpi.cy; y += 3)
    for (int x = 0; x < kAt50Dpi.cx; x += 3) {
      ASSERT_EQ(testimages::PixelAt(native, x, y), testimages::PixelAt(memory, x, y)) << x << "," << y;
      ASSERT_EQ(testimages::PixelAt(native, x, y), testimages::PixelAt(file, x, y)) << x << "," << y;
    }
  EXPECT_TRUE(camera.UnwindTo(1));
}

TEST_F(SaneCamera, TheWindowOffersModeAndResolutionAndScansWithThem) {
  user.presses = 1;
  ASSERT_TRUE(camera.AcquireInto(3));
  ASSERT_EQ(user.windowsShown, 1);
  EXPECT_EQ(camera.State(), 4);
  ASSERT_EQ(user.shownSettings.size(), 2u);
  EXPECT_EQ(user.shownSettings[0].label, "Mode");
  EXPECT_EQ(user.shownSettings[0].choices[user.shownSettings[0].chosen], "Color");
  EXPECT_EQ(user.shownSettings[1].label, "Resolution, dpi");
  EXPECT_EQ(user.shownSettings[1].choices[user.shownSettings[1].chosen], "150");
  const CSize size = PhotoSize(3);
  EXPECT_NEAR(size.cx, 120, 2) << "the suggested 150 dpi";
  EXPECT_NEAR(size.cy, 60, 2);
  EXPECT_THAT(messages.messages(), IsEmpty());
}

}  // namespace

namespace {

// SANE's frame formats become one 24-bit picture; sizes that do not fit the
// data are refused.
TEST(SaneFrames, EveryDepthBecomesTwentyFourBitColour) {
  CDib image;
  const unsigned char rgb[] = {10, 20, 30, 40, 50, 60, 0, 0};  // two pixels, a padded line
  ASSERT_TRUE(image.Create(SaneRasterToDib({2, 1, 8, 8, true}, rgb, sizeof rgb)));
  EXPECT_EQ(testimages::PixelAt(image, 1, 0), (testimages::Bgr{60, 50, 40}));

  const unsigned char grey[] = {7, 200};  // two lines of one pixel
  ASSERT_TRUE(image.Create(SaneRasterToDib({1, 2, 1, 8, false}, grey, sizeof grey)));
  EXPECT_EQ(testimages::PixelAt(image, 0, 1), (testimages::Bgr{200, 200, 200}));

  const unsigned char lineart[] = {0b10000000};  // 1 is black
  ASSERT_TRUE(image.Create(SaneRasterToDib({2, 1, 1, 1, false}, lineart, sizeof lineart)));
  EXPECT_EQ(testimages::PixelAt(image, 0, 0), (testimages::Bgr{0, 0, 0}));
  EXPECT_EQ(testimages::PixelAt(image, 1, 0), (testimages::Bgr{255, 255, 255}));

  const std::uint16_t deep[] = {0x1234, 0xABCD, 0xFF00};  // host order
  ASSERT_TRUE(image.Create(SaneRasterToDib({1, 1, 6, 16, true}, reinterpret_cast<const unsigned char*>(deep), 6)));
  EXPECT_EQ(testimages::PixelAt(image, 0, 0), (testimages::Bgr{0xFF, 0xAB, 0x12}));
}

TEST(SaneFrames, SizesThatDoNotFitTheDataAreRefused) {
  const unsigned char data[16] = {};
  EXPECT_EQ(SaneRasterToDib({2, 3, 6, 8, true}, data, sizeof data), nullptr) << "three lines of six need 18 bytes";
  EXPECT_EQ(SaneRasterToDib({3, 1, 6, 8, true}, data, sizeof data), nullptr) << "a line shorter than its pixels";
  EXPECT_EQ(SaneRasterToDib({0, 1, 6, 8, true}, data, sizeof data), nullptr);
  EXPECT_EQ(SaneRasterToDib({1, 1, 3, 4, true}, data, sizeof data), nullptr) << "no such depth";
  EXPECT_EQ(SaneRasterToDib({8, 1, 1, 1, true}, data, sizeof data), nullptr) << "colour line art";
}

}  // namespace
