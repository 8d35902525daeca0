#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/shell/options/options_model.h"
#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;

TEST(OptionsStyles, ListsNamedStylesBelowTheFolderAndSelectsTheCurrentOneWithoutCase) {
  TemporaryFolder styles;
  for (const char* file : {"Style_1/style.kvstyle", "Dark/Night.KVSTYLE", "Broken/broken.kvstyle", "Nameless/n.kvstyle",
                           "Style_1/readme.txt"}) {
    std::filesystem::create_directories(std::filesystem::path(styles.File(file)).parent_path());
    styles.Write(file, {1});
  }
  std::vector<std::string> loaded;
  auto load = [&](const std::string& path) -> std::unique_ptr<CResourceModule> {
    loaded.push_back(std::filesystem::path(path).filename().string());
    if (path.find("Broken") != std::string::npos) return nullptr;
    auto module = std::make_unique<CMemoryResourceModule>();
    if (path.find("Nameless") == std::string::npos)
      module->AddString(kStyleNameString, path.find("Dark") != std::string::npos ? "Night" : "Classic");
    return module;
  };
  std::vector<StyleEntry> found = FindStyles(styles.File(""), load);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].displayName, "Night");
  EXPECT_EQ(found[0].relativePath, "Dark\\Night.KVSTYLE");
  EXPECT_EQ(found[1].displayName, "Classic");
  EXPECT_EQ(found[1].relativePath, "Style_1\\style.kvstyle");
  EXPECT_EQ(loaded.size(), 4u) << "only style files are opened";

  CSettings settings;
  settings.styleProfile = "STYLE_1/Style.kvstyle";
  COptionsModel model(settings, found);
  EXPECT_EQ(model.SelectedStyle(), 1);
  model.SelectStyle(0);
  model.SelectStyle(7);  // not an entry: ignored
  CSettings applied;
  model.ApplyTo(applied);
  EXPECT_EQ(applied.styleProfile, "Dark\\Night.KVSTYLE");

  EXPECT_TRUE(FindStyles(styles.File("missing"), load).empty());
}

TEST(OptionsInterval, StaysInRangeAndStepsFasterAfterThreeSecondsOfHolding) {
  CSettings settings;
  COptionsModel model(settings, {});
  model.SetInterval(100);
  EXPECT_EQ(model.Values().slideshowInterval, 1500);
  model.SetInterval(40000);
  EXPECT_EQ(model.Values().slideshowInterval, 30000);
  EXPECT_EQ(IntervalSpinStep(0), 100);
  EXPECT_EQ(IntervalSpinStep(2999), 100);
  EXPECT_EQ(IntervalSpinStep(3000), 500);
}

TEST(OptionsModel, OkAppliesEveryCheckBoxSettingButLeavesReadOnlyKeys) {
  CSettings settings;
  settings.useCtrlForTracker = true;
  settings.searchString = "kept";
  COptionsModel model(settings, {});
  CSettings& values = model.Values();
  for (bool CSettings::*flag : {&CSettings::askProjection, &CSettings::morphing, &CSettings::printPreviewFullScreen,
                                &CSettings::jumpToBase, &CSettings::galleryDblClkRestore, &CSettings::lTrackersVisible,
                                &CSettings::selectByOrient, &CSettings::showQuestions, &CSettings::showWarnings,
                                &CSettings::standardGallery, &CSettings::strongNewClient, &CSettings::autoSave,
                                &CSettings::autoFitFace})
    values.*flag = !(values.*flag);
  values.useCtrlForTracker = false;
  CSettings before = settings;
  model.ApplyTo(settings);
  EXPECT_NE(settings.morphing, before.morphing);
  EXPECT_NE(settings.autoSave, before.autoSave);
  EXPECT_NE(settings.strongNewClient, before.strongNewClient);
  EXPECT_NE(settings.selectByOrient, before.selectByOrient);
  EXPECT_NE(settings.autoFitFace, before.autoFitFace);
  EXPECT_TRUE(settings.useCtrlForTracker);
  EXPECT_EQ(settings.searchString, "kept");
}

}  // namespace
