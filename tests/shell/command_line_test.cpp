// Opening files given on the command line or handed over by a later copy.
#include <QCoreApplication>

#include "app/document/project_file.h"
#include "app/shell/command_line.h"
#include "tests/shell/startup_fixture.h"

namespace {

TEST(CommandLine, TheFirstWordThatIsNoSwitchIsTheFile) {
  EXPECT_EQ(ParseCommandLine({}).fileName, "");
  EXPECT_EQ(ParseCommandLine({"-style", "--verbose"}).fileName, "");
  EXPECT_EQ(ParseCommandLine({"--x", "my photo.jpg", "second.jpg"}).fileName, "my photo.jpg");
  EXPECT_EQ(ParseCommandLine({"", "\"quoted\".bmp"}).fileName, "\"quoted\".bmp") << "quotes inside a word are kept";
}

TEST(CommandLine, ProjectsAreKnownByTheirExtensionInAnyCase) {
  EXPECT_TRUE(IsProjectFileName("/home/u/look.kvp"));
  EXPECT_TRUE(IsProjectFileName("LOOK.KVP"));
  EXPECT_FALSE(IsProjectFileName(".kvp"));
  EXPECT_FALSE(IsProjectFileName("look.kvp.jpg"));
  EXPECT_FALSE(IsProjectFileName("kvp"));
}

class OpenFromCommandLine : public StartupTest {
 protected:
  OpenFromCommandLine() { style.AddResource("IDB_PHOTO_W1", "bmpimage", PatternPhotoBytes(320, 240)); }
  CKelvoraDoc& Document() { return *app.MainFrame()->Document(); }
  CSize PhotoSize() { return Document().GetPhotoLayer()->GetImage()->GetSize(); }
  // A project of the second face projection holding a 90 x 70 photo.
  std::string WriteProject() {
    root.Write("project_photo.bmp", PatternPhotoBytes(90, 70));
    Document().SelectProjectionInSet(kFaceSet, 1);
    EXPECT_TRUE(app.OpenDocumentFile(root.File("project_photo.bmp")));
    const std::string path = root.File("look.kvp");
    std::string reason;
    EXPECT_TRUE(WriteProjectFile(Document(), -1, path, &reason)) << reason;
    Document().SelectProjectionInSet(kFaceSet, 0);
    return path;
  }
};

TEST_F(OpenFromCommandLine, APhotoLoadsAfterTheSamplePhotoIntoTheCurrentProjection) {
  root.Write("given.bmp", PatternPhotoBytes(100, 80));
  StartupEnvironment environment = Environment();
  environment.arguments = {"--ignored-switch", root.File("given.bmp")};
  ASSERT_TRUE(app.InitInstance(environment));
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(Document().GetProjectionIndex(-1), 0);
  EXPECT_EQ(PhotoSize(), CSize(100, 80));
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(OpenFromCommandLine, AProjectIsRestoredIntoItsOwnProjection) {
  ASSERT_TRUE(app.InitInstance(Environment()));
  QCoreApplication::sendPostedEvents();
  const std::string project = WriteProject();
  ASSERT_EQ(PhotoSize(), CSize(320, 240));

  EXPECT_TRUE(app.OpenDocumentFile(project));
  EXPECT_EQ(Document().GetProjectionIndex(-1), 1);
  EXPECT_EQ(PhotoSize(), CSize(90, 70));
}

TEST_F(OpenFromCommandLine, FilesThatCannotBeReadSayWhichAndLeaveThePhoto) {
  ASSERT_TRUE(app.InitInstance(Environment()));
  QCoreApplication::sendPostedEvents();
  root.Write("broken.kvp", {'n', 'o', 't'});
  EXPECT_FALSE(app.OpenDocumentFile(root.File("broken.kvp")));
  EXPECT_FALSE(app.OpenDocumentFile(root.File("missing.jpg")));
  // The photo loader's own messages come with the second (the decoder's too).
  const std::vector<std::string> texts = MessageTexts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts.front(), "Can't open the project " + root.File("broken.kvp") + " (the file is truncated).");
  EXPECT_EQ(texts.back(), "Can't load image: " + root.File("missing.jpg") + ".");
  EXPECT_EQ(PhotoSize(), CSize(320, 240));
}

TEST_F(OpenFromCommandLine, ALaterCopyHandsItsFileToTheRunningOne) {
  ASSERT_TRUE(app.InitApplication(root.File("run")));
  ASSERT_TRUE(app.InitInstance(Environment()));
  QCoreApplication::sendPostedEvents();
  const std::string project = WriteProject();

  CKelvoraApp later;
  EXPECT_FALSE(later.InitApplication(root.File("run"), project));
  for (int round = 0; round < 200 && Document().GetProjectionIndex(-1) != 1; ++round)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 1);
  EXPECT_EQ(PhotoSize(), CSize(90, 70));
}

}  // namespace
