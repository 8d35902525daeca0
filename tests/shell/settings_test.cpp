#include <gtest/gtest.h>

#include <filesystem>

#include "app/shell/settings/settings_file.h"
#include "app/shell/settings/user_folders.h"
#include "tests/test_files.h"

namespace {

CIniProfile Profile(const std::string& text) {
  CIniProfile profile;
  profile.Parse(text);
  return profile;
}

class SettingsTest : public ::testing::Test {
 protected:
  SettingsLocations Where() const { return {install.File("share/kelvora"), user.File("data/Kelvora")}; }
  std::string App() const { return install.File("share/kelvora") + "/"; }

  TemporaryFolder install;
  TemporaryFolder user;
};

TEST_F(SettingsTest, EmptyProfileGivesEveryDefault) {
  CSettings settings;
  settings.LoadSettings(CIniProfile(), Where());
  EXPECT_TRUE(settings.autoSave && settings.galleryDblClkRestore && settings.morphing && settings.lTrackersVisible &&
              settings.showWarnings && settings.showQuestions && settings.standardGallery && settings.askProjection &&
              settings.autoFitFace);
  EXPECT_FALSE(settings.selectByOrient || settings.jumpToBase || settings.printPreviewFullScreen ||
               settings.strongNewClient || settings.useCtrlForTracker);
  EXPECT_EQ(settings.slideshowInterval, 2000);
  EXPECT_EQ(settings.searchString, "");
  EXPECT_EQ(settings.GetApplicationFolder(), App());
  EXPECT_EQ(settings.GetBasesFolder(), App() + "Bases/");
  EXPECT_EQ(settings.GetBasesVarFolder(), App() + "Bases/");
  EXPECT_EQ(settings.GetHelpFolder(), App() + "Help/");
  EXPECT_EQ(settings.GetDataFolder(), App() + "Data/");
  EXPECT_EQ(settings.GetSamplesFolder(), App() + "Samples/");
  EXPECT_EQ(settings.GetTempFolder(), App() + "Temp/");
  EXPECT_EQ(settings.GetColorsFolder(), App() + "Colors/");
  EXPECT_EQ(settings.GetStylePath(), App() + "Styles/Style_1/style.kvstyle");
  EXPECT_EQ(settings.GetMakeupProfilePath(), App() + "Colors/Make up/Kelvora Inc/Winter.kvm");
  EXPECT_EQ(settings.GetFilterProfilePath(), App() + "Colors/Filters/Kelvora.kvf");
  EXPECT_EQ(settings.GetBasePath(0), App() + "Bases/Hair1.hbd");
  EXPECT_EQ(settings.GetBasePath(1), App() + "Bases/Glass1.hbd");
  EXPECT_EQ(settings.GetBasePath(2), App() + "Bases/Mous1.hbd");
  EXPECT_EQ(settings.GetBasePath(3), App() + "Bases/Cust1.hbd");
  EXPECT_EQ(settings.GetBasePath(4), App() + "Bases/Eyebrow1.hbd");
  EXPECT_EQ(settings.GetBasePath(8), App() + "Bases/Hdress1.hbd");
  EXPECT_EQ(settings.GetBasePath(9), "");
}

TEST_F(SettingsTest, ApplicationFolderMovesEveryOtherDefaultAndBackslashesAreSeparators) {
  CSettings settings;
  settings.LoadSettings(Profile("[Path]\nApplication=" + user.File("") + "Kelvora\\Install\n"), Where());
  std::string moved = user.File("") + "Kelvora/Install/";
  EXPECT_EQ(settings.GetApplicationFolder(), moved);
  for (const std::string& folder : {settings.bases, settings.basesVar, settings.help, settings.data, settings.samples,
                                    settings.styles, settings.temp, settings.colors})
    EXPECT_EQ(folder.rfind(moved, 0), 0u) << folder;
  EXPECT_EQ(settings.GetStylesFolder(), moved + "Styles/");
}

TEST_F(SettingsTest, ExplicitFoldersAndBasesWinAndAnEmptyBaseLeavesTheSlotEmpty) {
  CSettings settings;
  settings.LoadSettings(Profile("[Path]\nBases=/srv/bases\nBasesVar=/srv/custom/\n"
                                "[Bases]\nBase_0=\nBase_3=Mine.hbd\n"),
                        Where());
  EXPECT_EQ(settings.GetBasePath(0), "");
  EXPECT_EQ(settings.GetBasePath(1), "/srv/bases/Glass1.hbd");
  EXPECT_EQ(settings.GetBasePath(3), "/srv/custom/Mine.hbd");
}

TEST_F(SettingsTest, WritableFoldersMoveToTheUserDataFolderWhenTheInstallationIsReadOnly) {
  // A folder below a plain file can never be made, whoever runs the test.
  install.Write("share", {});
  CSettings settings;
  settings.LoadSettings(Profile("[Path]\nTemp=" + user.File("own-temp") + "\n"), Where());
  std::string own = user.File("data/Kelvora") + "/";
  EXPECT_EQ(settings.GetDataFolder(), own + "Data/");
  EXPECT_EQ(settings.GetBasesVarFolder(), own + "Bases/");
  EXPECT_EQ(settings.GetTempFolder(), user.File("own-temp") + "/") << "a folder the profile names stays";
  EXPECT_EQ(settings.GetBasesFolder(), App() + "Bases/") << "read-only folders do not move";

  EXPECT_TRUE(settings.CreateWritableFolders());
  EXPECT_TRUE(std::filesystem::is_directory(own + "Data"));
  EXPECT_TRUE(std::filesystem::is_directory(own + "Bases"));
  EXPECT_TRUE(std::filesystem::is_directory(user.File("own-temp")));
}

TEST_F(SettingsTest, AnInstalledDataFolderIsNeverWrittenEvenWhenItCouldBe) {
  std::filesystem::create_directories(install.File("share/kelvora"));
  install.Write("share/kelvora/INSTALLED", {});
  CSettings settings;
  settings.LoadSettings(CIniProfile(), Where());
  std::string own = user.File("data/Kelvora") + "/";
  EXPECT_EQ(settings.GetDataFolder(), own + "Data/");
  EXPECT_EQ(settings.GetTempFolder(), own + "Temp/");
  EXPECT_EQ(settings.GetBasesVarFolder(), own + "Bases/");
  EXPECT_EQ(settings.GetStylesFolder(), App() + "Styles/");
}

TEST_F(SettingsTest, SaveWritesOnlyTheSavedKeysInTableOrder) {
  CSettings settings;
  settings.LoadSettings(Profile("[Options]\nUseCTRLForTracker=1\nSearchString=bob\nSlideshowInterval=4000\n"), Where());
  EXPECT_TRUE(settings.useCtrlForTracker);

  CIniProfile written;
  settings.SaveSettings(written);
  EXPECT_EQ(written.Format(),
            "[Options]\nAutoSave=1\nSelectByOrient=0\nGalleryDblClkRestore=1\nJumpToBase=0\nMorphing=1\n"
            "PrintPreviewFullScreen=0\nLTrackersVisible=1\nShowWarnings=1\nShowQuestions=1\nStandardGallery=1\n"
            "StrongNewClient=0\nAskProjection=1\nAutoFitFace=1\nSearchString=bob\nSlideshowInterval=4000\n"
            "StyleProfile=Style_1\\style.kvstyle\n\n"
            "[ColorProfiles]\nFilterProfile=Kelvora.kvf\nMakeupProfile=Kelvora Inc\\Winter.kvm\n");
}

TEST_F(SettingsTest, CategoryChoicesAreReadPerKindAndOnlyChangedOnesWritten) {
  CSettings settings;
  settings.LoadSettings(Profile("[Categories_2]\nCurSel1=3\nCurSel5=-7\n[Categories_8]\nCurSel2=1\n"), Where());
  EXPECT_EQ(settings.categorySelections[2], (CategorySelections{3, 0, 0, 0, -7})) << "range is the list's business";
  EXPECT_EQ(settings.categorySelections[8], (CategorySelections{0, 1, 0, 0, 0}));
  EXPECT_EQ(settings.categorySelections[0], (CategorySelections{}));

  settings.categorySelections[8] = {};
  settings.categorySelections[4] = {0, 0, 2, 0, 0};
  settings.categorySelectionsChanged[8] = settings.categorySelectionsChanged[4] = true;
  CIniProfile written = Profile("[Categories_8]\nCurSel2=1\n[Categories_2]\nCurSel1=5\n");
  settings.SaveSettings(written);
  EXPECT_EQ(written.GetInt("Categories_8", "CurSel2", -1), 0) << "a cleared choice is written back";
  EXPECT_EQ(written.GetInt("Categories_4", "CurSel3", -1), 2);
  EXPECT_EQ(written.GetInt("Categories_2", "CurSel1", -1), 5) << "unchanged here, kept as the profile has it";
  EXPECT_FALSE(written.HasSection("Categories_0"));
}

TEST_F(SettingsTest, SlideshowIntervalIsKeptWithinTheDialogRange) {
  for (auto [stored, expected] : {std::pair{"0", 1500}, {"-20", 1500}, {"99999999", 30000}, {"2100", 2100}}) {
    CSettings settings;
    settings.LoadSettings(Profile(std::string("[Options]\nSlideshowInterval=") + stored + "\n"), Where());
    EXPECT_EQ(settings.slideshowInterval, expected) << stored;
  }
}

TEST_F(SettingsTest, ProfileFileKeepsForeignSectionsAndIsCreatedWithItsFolder) {
  std::string path = user.File("config/Kelvora/Kelvora.ini");
  CSettings settings;
  EXPECT_TRUE(LoadSettingsFile(settings, path, Where())) << "a missing profile is not an error";
  settings.autoSave = false;
  ASSERT_TRUE(SaveSettingsFile(settings, path));

  CIniProfile profile;
  ASSERT_TRUE(profile.Load(path));
  profile.WriteInt("Categories_0", "CurSel1", 3);
  profile.WriteString("Path", "Data", "/srv/data");
  ASSERT_TRUE(profile.Save(path));

  settings.morphing = false;
  ASSERT_TRUE(SaveSettingsFile(settings, path));
  CSettings reread;
  ASSERT_TRUE(LoadSettingsFile(reread, path, Where()));
  EXPECT_FALSE(reread.autoSave);
  EXPECT_FALSE(reread.morphing);
  EXPECT_EQ(reread.GetDataFolder(), "/srv/data/");
  ASSERT_TRUE(profile.Load(path));
  EXPECT_EQ(profile.GetInt("Categories_0", "CurSel1", 0), 3);
}

TEST(ProgramFolder, QuotedAndUnquotedProgramPathsGiveTheSameFolder) {
  EXPECT_EQ(ProgramFolderFromCommandLine("\"/opt/kelvora/bin/Kelvora\""), "/opt/kelvora/bin/");
  EXPECT_EQ(ProgramFolderFromCommandLine("/opt/kelvora/bin/Kelvora"), "/opt/kelvora/bin/");
  EXPECT_EQ(ProgramFolderFromCommandLine("\"/opt/my apps/bin/Kelvora\" /photos/a.jpg"), "/opt/my apps/bin/");
  EXPECT_EQ(ProgramFolderFromCommandLine("/opt/kelvora/bin/Kelvora /photos/a.jpg"), "/opt/kelvora/bin/");
  EXPECT_EQ(ProgramFolderFromCommandLine("\"C:\\Kelvora\\Kelvora.exe\""), "C:/Kelvora/");
  EXPECT_EQ(ProgramFolderFromCommandLine("Kelvora"), "./");
  EXPECT_EQ(ProgramFolderFromCommandLine("\""), "./");
  EXPECT_EQ(DefaultApplicationFolder("/opt/kelvora/bin/"), "/opt/kelvora/share/kelvora/");
}

TEST(UserFolders, FollowTheXdgVariablesAndIgnoreRelativeOnes) {
  std::string savedConfig = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/kelvora-config", 1);
  ::setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
  EXPECT_EQ(UserProfilePath(), "/tmp/kelvora-config/Kelvora/Kelvora.ini");
  ::setenv("XDG_CONFIG_HOME", "relative", 1);
  EXPECT_EQ(UserConfigFolder(), NormaliseFolder(std::getenv("HOME")) + ".config/Kelvora/");
  if (savedConfig.empty()) ::unsetenv("XDG_CONFIG_HOME");
  else ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
}

}  // namespace
