// "Get from camera..." and "Select camera..." in the program: the commands,
// the projection dialog, the source's window and the link coming down with
// the frame, against the stand-in manager installed as the program's plug-in.
#include <QCoreApplication>
#include <QTimer>

#include <dlfcn.h>

#include "app/shell/camera/camera_dialogs.h"
#include "app/shell/camera/source_window.h"
#include "app/shell/frame/command_ids.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/core/twain_manager_library.h"
#include "tests/camera/fake_twain_control.h"
#include "tests/shell/startup_fixture.h"

namespace {

using ::testing::ElementsAre;

class CameraCommands : public StartupTest {
 protected:
  void Start(bool withManager) {
    // The source window's buttons, which the panels' pictures do not cover.
    for (const char* base : {"SOURCE_PHOTO_D1", "SOURCE_SCAN_D1", "SOURCE_CLOSE_D1"})
      style.AddResource(base, "bmpimage", SolidPictureWithBlackEdge(8, 8, RGB(200, 200, 200)));
    if (withManager) {
      std::filesystem::copy_file(KELVORA_FAKE_TWAIN, root.File("bin/libkvtwain.so"));
      m_library = ::dlopen(root.File("bin/libkvtwain.so").c_str(), RTLD_NOW | RTLD_LOCAL);
      auto control = reinterpret_cast<FakeTwainControlProc>(::dlsym(m_library, "FakeTwain_Control"));
      fake = control();
      fake->Reset();
    }
    ASSERT_TRUE(app.InitInstance(Environment()));
    QCoreApplication::sendPostedEvents();
  }
  ~CameraCommands() override {
    app.ExitInstance();
    if (m_library) ::dlclose(m_library);
  }
  void Command(UINT id) { SendMessage(app.MainFrame(), WM_COMMAND, MAKEWPARAM(id, 0)); }
  CCameraCommands& Camera() { return *app.Camera(); }

  FakeTwainControl* fake = nullptr;

 private:
  void* m_library = nullptr;
};

TEST_F(CameraCommands, TheProjectionDialogPicksAFaceProjectionByItsButtons) {
  EXPECT_EQ(ProjectionOfButton(999), -1);
  EXPECT_EQ(ProjectionOfButton(1004), -1);
  CProjectionDialog dialog;
  for (UINT id = 1000; id < 1004; ++id) EXPECT_NE(GetDlgItem(dialog.Buttons(), id), nullptr) << id;
  SendMessage(dialog.Buttons(), WM_COMMAND, MAKEWPARAM(1002, 0));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Projection(), 2);
}

TEST_F(CameraCommands, AcquiringTakesThePictureIntoTheChosenProjectionAndTheFrameBringsTheLinkDown) {
  Start(true);
  ASSERT_TRUE(app.MainFrame()->IsCommandEnabled(ID_CAMERA_ACQUIRE));
  Camera().SetProjectionChooser([] { return 1; });
  // The user, inside the loop that runs while the source is enabled: take a
  // photo, then close the source's window.
  QTimer::singleShot(0, [this] {
    ASSERT_NE(Camera().Link().SourceWindow(), nullptr);
    EXPECT_EQ(Camera().Link().SourceWindow()->Spec().actionText, "Take photo");
    Camera().Link().SourceWindow()->TakePicture();
    QTimer::singleShot(0, [this] { Camera().Link().SourceWindow()->reject(); });
  });
  Command(ID_CAMERA_ACQUIRE);
  EXPECT_EQ(Camera().Camera().State(), 4);
  EXPECT_EQ(Camera().Link().SourceWindow(), nullptr);
  CKelvoraDoc& document = *app.MainFrame()->Document();
  EXPECT_EQ(document.GetProjectionIndex(-1), 1);
  ASSERT_NE(document.GetProjection(1)->GetPhoto(), nullptr);
  EXPECT_EQ(document.GetProjection(1)->GetPhoto()->GetImage()->GetSize(), CSize(6, 5));
  EXPECT_TRUE(MessageTexts().empty());

  fake->log.clear();
  app.ExitInstance();
  EXPECT_THAT(fake->log, ElementsAre("DAT_IDENTITY MSG_CLOSEDS", "DAT_PARENT MSG_CLOSEDSM"));
  EXPECT_EQ(TwainManagerEntry(), nullptr) << "unloaded";
}

TEST_F(CameraCommands, AWebcamsWindowShowsTheLivePictureAndItsButtonsTakeAndClose) {
  Start(true);
  fake->video = true;
  Camera().SetProjectionChooser([] { return 0; });
  QTimer::singleShot(0, [this] {
    CSourceWindow* window = Camera().Link().SourceWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->Preview(), nullptr);
    EXPECT_EQ(window->Preview()->Frame().size(), QSize(6, 5));
    EXPECT_EQ(window->Preview()->Frame().pixel(1, 0), qRgb(40, 0, 200)) << "red x * 40, green y * 50, blue 200";
    EXPECT_TRUE(window->Settings().empty());
    SendMessage(window->Buttons(), WM_COMMAND, MAKEWPARAM(kSourceActionId, 0));
    QTimer::singleShot(0, [this] {
      SendMessage(Camera().Link().SourceWindow()->Buttons(), WM_COMMAND, MAKEWPARAM(kSourceCloseId, 0));
    });
  });
  Command(ID_CAMERA_ACQUIRE);
  EXPECT_EQ(Camera().Camera().State(), 4);
  EXPECT_EQ(Camera().Link().SourceWindow(), nullptr);
  EXPECT_FALSE(fake->videoStreaming) << "the camera stopped with its window";
  const CLayer* photo = app.MainFrame()->Document()->GetProjection(0)->GetPhoto();
  ASSERT_NE(photo, nullptr);
  EXPECT_EQ(photo->GetImage()->GetSize(), CSize(6, 5));
  EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(CameraCommands, CancellingTheProjectionDialogDoesNothing) {
  Start(true);
  Camera().SetProjectionChooser([] { return -1; });
  Command(ID_CAMERA_ACQUIRE);
  EXPECT_TRUE(fake->log.empty());
  EXPECT_EQ(Camera().Camera().State(), 1);
}

TEST_F(CameraCommands, SelectingACameraShowsTheDevicesAndKeepsTheChoice) {
  Start(true);
  std::vector<std::string> offered;
  Camera().Link().SetSourceChooser([&](const std::vector<std::string>& names, int) {
    offered = names;
    return 1;
  });
  Command(ID_CAMERA_SELECT);
  EXPECT_THAT(offered, ElementsAre("Fake camera 1", "Fake camera 2"));
  EXPECT_EQ(Camera().Camera().State(), 1);
  // The program's own list: the style's thumbnail list, the current device chosen.
  CDeviceChoiceDialog dialog(offered, 1);
  EXPECT_EQ(dialog.List()->GetCount(), 2);
  EXPECT_EQ(dialog.Chosen(), 1);
}

TEST_F(CameraCommands, WithoutThePlugInTheUserIsToldAndNothingIsLoaded) {
  Start(false);
  Camera().SetProjectionChooser([] { return 0; });
  Command(ID_CAMERA_ACQUIRE);
  EXPECT_EQ(Camera().Camera().State(), 1);
  EXPECT_THAT(MessageTexts(), ElementsAre("Camera and scanner support is not installed."));
}

}  // namespace
