// The main window's state and command set without a window: arming rules,
// the one thickness, the sliders following the layer, the key list and the
// handlers that plug commands in.
#include <gtest/gtest.h>

#include <set>

#include "app/document/item_kinds.h"
#include "app/shell/frame/accelerator_table.h"
#include "app/shell/frame/command_enabling.h"
#include "app/shell/frame/command_handlers.h"
#include "app/shell/frame/command_table.h"
#include "app/shell/frame/frame_menus.h"
#include "app/shell/frame/frame_state.h"
#include "app/shell/frame/information_pages.h"
#include "app/shell/frame/session_statistics.h"
#include "platform/core/virtual_keys.h"
#include "tests/test_files.h"

namespace {

constexpr CommandId kToolCommands[] = {1012, 1013, 1014, 1021, 1022, 1025, 1026, 1027, 1028, 1029, 1030, 1051};

int ButtonsDown(const CFrameState& state, std::span<const CommandId> ids) {
  int down = 0;
  for (CommandId id : ids) down += state.IsButtonDown(id);
  return down;
}

TEST(FrameState, AtMostOneToolIsArmedAndPressingItAgainDisarms) {
  CFrameState state;
  EXPECT_EQ(ButtonsDown(state, kToolCommands), 0);
  for (CommandId id : kToolCommands) {
    EXPECT_TRUE(state.ToggleTool(*ToolOfCommand(id))) << id;
    EXPECT_TRUE(state.IsButtonDown(id));
    EXPECT_EQ(ButtonsDown(state, kToolCommands), 1) << id;
  }
  EXPECT_FALSE(state.ToggleTool(FrameTool::zoom)) << "1051 was the last armed";
  EXPECT_EQ(ButtonsDown(state, kToolCommands), 0);
}

TEST(FrameState, ArmedToolsReachTheViewModeOneFlagAtATime) {
  CFrameState state;
  state.ToggleTool(FrameTool::comb);
  EXPECT_EQ(state.ViewMode().hairTool, HairTool::comb);
  state.ToggleTool(FrameTool::faceRectangle);
  EXPECT_EQ(state.ViewMode().hairTool, HairTool::none);
  EXPECT_TRUE(state.ViewMode().edit.faceRectangleTool);
  state.ToggleTool(FrameTool::zoom);
  EXPECT_FALSE(state.ViewMode().edit.faceRectangleTool);
  EXPECT_TRUE(state.ViewMode().zoomTool);
  state.ToggleTool(FrameTool::ownEyedropper);
  EXPECT_FALSE(state.ViewMode().zoomTool);
  EXPECT_TRUE(state.ViewMode().ownColourEyedropper);
}

TEST(FrameState, ExactlyOneThicknessIsDownStartingWithTheFirst) {
  CFrameState state;
  constexpr CommandId kThickness[] = {1202, 1203, 1204, 1205, 1206, 1207};
  EXPECT_TRUE(state.IsButtonDown(1202));
  EXPECT_EQ(ButtonsDown(state, kThickness), 1);
  EXPECT_TRUE(state.ChooseThickness(1205));
  EXPECT_EQ(state.Thickness(), 4);
  EXPECT_TRUE(state.ChooseThickness(1205)) << "pressing the chosen one keeps it";
  EXPECT_TRUE(state.IsButtonDown(1205));
  EXPECT_EQ(ButtonsDown(state, kThickness), 1);
  EXPECT_EQ(state.ViewMode().eyedropperThickness, 4);
  EXPECT_FALSE(state.ChooseThickness(1208));
  EXPECT_FALSE(state.ChooseThickness(1201));
  EXPECT_EQ(state.Thickness(), 4);
  state.Reset();
  EXPECT_EQ(state.Thickness(), 1);
}

TEST(FrameState, KindsAndModesShowTheirPanelAndPressingAgainLeavesThem) {
  CFrameState state;
  state.ToggleTool(FrameTool::brush);
  EXPECT_TRUE(state.ChooseKind(kKindHairstyle));
  EXPECT_EQ(state.ArmedTool(), FrameTool::none) << "choosing a kind disarms every tool";
  EXPECT_EQ(state.RightPanel(), kItemPanelTemplate);
  EXPECT_TRUE(state.IsButtonDown(1003));
  EXPECT_TRUE(state.ChooseKind(kKindCustom));
  EXPECT_EQ(state.RightPanel(), kCustomPanelTemplate);
  EXPECT_FALSE(state.IsButtonDown(1003));
  EXPECT_TRUE(state.IsButtonDown(1006));
  EXPECT_FALSE(state.ChooseKind(kKindCustom));
  EXPECT_EQ(state.CurrentKind(), -1);
  EXPECT_EQ(state.RightPanel(), kEmptyRightPanelTemplate);

  state.ChooseKind(kKindGlasses);
  EXPECT_TRUE(state.TogglePhotoMode());
  EXPECT_EQ(state.CurrentKind(), -1) << "photo mode leaves the kind";
  EXPECT_EQ(state.RightPanel(), kImagePanelTemplate);
  EXPECT_TRUE(state.IsButtonDown(ID_PHOTO_FACE));
  EXPECT_TRUE(state.ToggleMakeupMode());
  EXPECT_FALSE(state.PhotoMode());
  EXPECT_EQ(state.RightPanel(), kMakeupPanelTemplate);
  EXPECT_FALSE(state.ToggleMakeupMode());
  EXPECT_EQ(state.RightPanel(), kEmptyRightPanelTemplate);
  EXPECT_FALSE(state.ChooseKind(kItemKindCount)) << "no such kind";
}

TEST(FrameState, SlidersFollowTheLayerAndReturnToTheirDefaults) {
  CFrameState state;
  CLayer layer(true);
  layer.StoreAdjustments(70, 20, 35, 60, true, 40, RGB(1, 2, 3), 3);
  state.SetSlidersFrom(layer);
  EXPECT_EQ(state.Sliders().brightness, 70);
  EXPECT_EQ(state.Sliders().contrast, 20);
  EXPECT_EQ(state.Sliders().hue, 35);
  EXPECT_EQ(state.Sliders().filterStrength, 40);
  EXPECT_EQ(state.Sliders().opacity, 40) << "100 minus the image opacity";
  state.ResetSliders();
  const int expected[] = {50, 50, 50, 95, 0};
  const CommandId sliders[] = {ID_SLIDER_BRIGHTNESS, ID_SLIDER_CONTRAST, ID_SLIDER_HUE, ID_SLIDER_FILTER,
                               ID_SLIDER_OPACITY};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(state.SliderValue(sliders[i]), expected[i]) << sliders[i];
  EXPECT_TRUE(state.SetSlider(ID_SLIDER_HUE, 12));
  EXPECT_EQ(state.Sliders().hue, 12);
  EXPECT_FALSE(state.SetSlider(ID_SLIDER_PRESSURE, 12)) << "the pressure is the tools', not the layer's";
  EXPECT_FALSE(state.SliderValue(ID_SLIDER_PRESSURE));
}

TEST(FrameState, FilterButtonsChooseOneFilterAndTheChosenOnePressedAgainSwitchesItOff) {
  CFrameState state;
  EXPECT_EQ(state.FilterNumber(), kNoFilter);
  EXPECT_EQ(state.ChooseFilter(ID_FILTER_FIRST + 2), 2);
  EXPECT_TRUE(state.IsButtonDown(ID_FILTER_FIRST + 2));
  EXPECT_EQ(state.ChooseFilter(ID_FILTER_LAST), 10);
  EXPECT_FALSE(state.IsButtonDown(ID_FILTER_FIRST + 2));
  EXPECT_EQ(state.ChooseFilter(ID_FILTER_LAST), kNoFilter);
  EXPECT_EQ(state.ChooseFilter(ID_CUSTOM_FILTER), kCustomFilterNumber);
  EXPECT_EQ(state.ChooseFilter(ID_CUSTOM_FILTER), kCustomFilterNumber) << "the custom colour applies again";
  EXPECT_FALSE(state.ChooseFilter(ID_FILTER_FIRST - 1));
  EXPECT_FALSE(state.ChooseFilter(ID_CUSTOM_FILTER + 1));

  // The buttons show the filter the current layer wears.
  CLayer layer(true);
  layer.StoreAdjustments(50, 50, 50, 100, true, 80, RGB(4, 5, 6), 7);
  state.SetSlidersFrom(layer);
  EXPECT_EQ(state.FilterNumber(), 7);
  layer.StoreAdjustments(50, 50, 50, 100, false, 80, RGB(4, 5, 6), 7);
  state.SetSlidersFrom(layer);
  EXPECT_EQ(state.FilterNumber(), kNoFilter) << "a filter switched off";
  layer.StoreAdjustments(50, 50, 50, 100, true, 80, RGB(4, 5, 6), kCustomFilterNumber);
  state.SetSlidersFrom(layer);
  EXPECT_EQ(state.Sliders().customFilterColour, RGB(4, 5, 6));
  state.ResetSliders();
  EXPECT_EQ(state.FilterNumber(), kNoFilter);

  EXPECT_FALSE(state.IsButtonDown(ID_COMB_DRAWING));
  state.ToggleCombDrawing();
  EXPECT_TRUE(state.IsButtonDown(ID_COMB_DRAWING));
  state.DisarmTools();
  EXPECT_TRUE(state.CombDrawing()) << "a setting of the comb, not a tool";
}

TEST(CommandSet, EveryKeyIsOneEntryAndNamesACommandOfTheTable) {
  std::set<std::pair<int, int>> keys;
  for (const AcceleratorEntry& entry : AcceleratorTable()) {
    EXPECT_TRUE(keys.insert({entry.virtualKey, entry.modifiers}).second) << AcceleratorText(entry) << " twice";
    EXPECT_NE(FindCommand(entry.command), nullptr) << AcceleratorText(entry);
  }
  EXPECT_EQ(FindAccelerator('Z', kModifierCtrl), ID_EDIT_UNDO);
  EXPECT_EQ(FindAccelerator(VK_BACK, kModifierAlt), ID_EDIT_UNDO);
  EXPECT_EQ(FindAccelerator(VK_RETURN, kModifierAlt), ID_EDIT_REDO);
  EXPECT_EQ(FindAccelerator(VK_INSERT, kModifierShift), ID_AREA_PASTE);
  EXPECT_EQ(FindAccelerator(VK_DELETE, kModifierShift), ID_AREA_CLEAR);
  EXPECT_EQ(FindAccelerator('C', kModifierCtrl | kModifierAlt), ID_SELECT_BY_CATEGORIES);
  EXPECT_EQ(FindAccelerator('C', kModifierCtrl), ID_AREA_COPY);
  EXPECT_EQ(FindAccelerator('I', kModifierCtrl), ID_VERSION_INFO);
  EXPECT_FALSE(FindAccelerator('Z', kModifierCtrl | kModifierShift)) << "modifiers match exactly";
  EXPECT_FALSE(FindAccelerator('Q', kModifierCtrl));
  EXPECT_EQ(AcceleratorText({VK_INSERT, kModifierCtrl, 0}), "Ctrl+Insert");
  EXPECT_EQ(AcceleratorText({'T', kModifierCtrl | kModifierAlt, 0}), "Ctrl+Alt+T");
}

TEST(CommandSet, CommandsOfOtherSubsystemsWaitForTheirHandlers) {
  std::set<CommandId> ids;
  for (const CommandSpec& spec : CommandTable()) EXPECT_TRUE(ids.insert(spec.id).second) << spec.id << " twice";
  for (CommandId delegated : {1194u, 1191u, 57607u, 32771u, 32772u, 1031u, 1032u, 1033u, 1034u, 1036u, 1012u,
                              1014u, 1177u, 1178u, 1179u, 1180u, 1195u, 1196u, 1197u, 1198u, 1199u, 1212u, 1240u,
                              1241u, 1242u})
    EXPECT_EQ(FindCommand(delegated)->carrier, CommandCarrier::handler) << delegated;

  CCommandHandlers handlers;
  int runs = 0;
  EXPECT_FALSE(handlers.IsEnabled(ID_FILE_PRINT));
  EXPECT_FALSE(handlers.Run(ID_FILE_PRINT));
  bool live = false;
  handlers.Set(ID_FILE_PRINT, [&] { ++runs; }, [&] { return live; });
  EXPECT_FALSE(handlers.Run(ID_FILE_PRINT)) << "registered but not live";
  live = true;
  EXPECT_TRUE(handlers.Run(ID_FILE_PRINT));
  EXPECT_EQ(runs, 1);
  handlers.Set(ID_FILE_PRINT, {});
  EXPECT_FALSE(handlers.Has(ID_FILE_PRINT));
}

TEST(InformationSheet, PagesListTheProductComponentsDatabasesAndProfiles) {
  InformationSources sources;
  sources.productName = "Kelvora";
  sources.components = {{"Qt", "6.4.2"}};
  sources.databases = {{0, "/b/Hair.hbd", "Hair", "1.0", 12}, {1, "", "", "", -1}};
  sources.filterProfile = "/c/Standard.kvf";
  const auto pages = BuildInformationPages(sources);
  ASSERT_EQ(pages.size(), 5u);
  EXPECT_EQ(pages[0].rows[0].value, "Kelvora");
  EXPECT_EQ(pages[1].rows[0].name, "Qt");
  const auto& bases = pages[2].rows;
  ASSERT_EQ(bases.size(), 6u);
  EXPECT_EQ(bases[3].value, "12");
  EXPECT_EQ(bases[4].value, "(none)");
  EXPECT_EQ(bases[5].value, "not open");
  EXPECT_EQ(pages[3].rows[0].value, "(none)");
  EXPECT_EQ(pages[3].rows[1].value, "/c/Standard.kvf");
}

TEST(SessionStatistics, CountsTriedItemsByKindAndListsOnlyKindsTried) {
  CSessionStatistics statistics;
  statistics.NoteItemTried(kKindHairstyle);
  statistics.NoteItemTried(kKindHairstyle);
  statistics.NoteItemTried(kKindNose);
  statistics.NoteItemTried(-1);
  statistics.NoteItemTried(kItemKindCount);
  statistics.NotePhotoLoaded();
  EXPECT_EQ(statistics.ItemsTried(), 3);
  const std::string report = statistics.Report([](int kind) { return "kind" + std::to_string(kind); });
  EXPECT_NE(report.find("Items tried: 3"), std::string::npos);
  EXPECT_NE(report.find("kind0: 2"), std::string::npos);
  EXPECT_NE(report.find("kind5: 1"), std::string::npos);
  EXPECT_EQ(report.find("kind1:"), std::string::npos);
  EXPECT_NE(report.find("Photos loaded: 1"), std::string::npos);
}

}  // namespace

namespace {

TEST(CommandSet, KindsNeedAPhotoAndTheirDatabaseAndUndoNeedsAStep) {
  CCommandHandlers handlers;
  CommandFacts facts;
  facts.kindDatabaseOpen = [](int kind) { return kind == kKindGlasses; };
  EXPECT_FALSE(IsCommandEnabled(1004, facts, handlers)) << "no photo";
  facts.currentHasPhoto = true;
  EXPECT_TRUE(IsCommandEnabled(1004, facts, handlers));
  EXPECT_FALSE(IsCommandEnabled(1003, facts, handlers)) << "the hairstyle database is not open";
  EXPECT_FALSE(IsCommandEnabled(ID_EDIT_UNDO, facts, handlers));
  facts.canRedo = true;
  EXPECT_TRUE(IsCommandEnabled(ID_EDIT_REDO, facts, handlers));
  EXPECT_FALSE(IsCommandEnabled(ID_GALLERY_ADD, facts, handlers));
  handlers.Set(ID_GALLERY_ADD, [] {});
  EXPECT_TRUE(IsCommandEnabled(ID_GALLERY_ADD, facts, handlers));
  EXPECT_TRUE(IsCommandEnabled(ID_TOOL_COMB, facts, handlers));
}

}  // namespace

namespace {

TEST(FrameMenus, PhotoMenuKeepsTheCameraDisabledUntilItIsLiveAndShowsKeys) {
  const auto menu = PhotoMenu([](CommandId id) { return id != ID_CAMERA_ACQUIRE && id != ID_CAMERA_SELECT; });
  ASSERT_EQ(menu.size(), 5u);
  EXPECT_EQ(menu[0].text, "Get from camera...\tCtrl+A");
  EXPECT_FALSE(menu[0].enabled);
  EXPECT_FALSE(menu[1].enabled);
  EXPECT_TRUE(menu[2].IsSeparator());
  EXPECT_EQ(menu[3].text, "Load from file...\tCtrl+L");
  EXPECT_TRUE(menu[3].enabled);
  EXPECT_EQ(menu[4].command, ID_LOAD_SAMPLE_PHOTO);
  const auto mirror = MirrorMenu();
  ASSERT_EQ(mirror.size(), 2u);
  EXPECT_EQ(mirror[0].command, 32784u);
  EXPECT_EQ(mirror[1].command, 32785u);
}

TEST(FrameMenus, InternetShortcutsGiveTheirUrlOrNothing) {
  TemporaryFolder folder;
  const std::string text = "[InternetShortcut]\r\nURL=https://example.org/kelvora\r\n";
  folder.Write("Web.url", {text.begin(), text.end()});
  EXPECT_EQ(ReadInternetShortcut(folder.File("Web.url")), "https://example.org/kelvora");
  EXPECT_EQ(ReadInternetShortcut(folder.File("Mail.url")), "");
  const std::string none = "[Other]\nURL=x\n";
  folder.Write("None.url", {none.begin(), none.end()});
  EXPECT_EQ(ReadInternetShortcut(folder.File("None.url")), "");
}

}  // namespace
