#include <gtest/gtest.h>

#include <QWidget>

#include <cstring>

#include "controls/skin_resources.h"
#include "platform/core/cursor_data.h"
#include "controls/zor_slider.h"
#include "tests/support/test_skin.h"

TEST(SkinResources, RectAndPositionComeFromTheModuleGiven) {
  CMemoryResourceModule skin;
  AddText(skin, "IDR_FACE", "wndrect", "10, 20,110 ,40");
  AddText(skin, "IDR_BAD", "wndrect", "10, 20, 110");
  AddText(skin, "OK_POS", "wndpos", "-5, 8");
  CRect rect;
  EXPECT_TRUE(LoadCustomWndRect("IDR_FACE", &rect, &skin));
  EXPECT_EQ(rect, CRect(10, 20, 110, 40));
  EXPECT_FALSE(LoadCustomWndRect("IDR_BAD", &rect, &skin));
  EXPECT_FALSE(LoadCustomWndRect("IDR_MISSING", &rect, &skin));
  CPoint point;
  EXPECT_TRUE(LoadCustomWndPos("OK_POS", &point, &skin));
  EXPECT_EQ(point, CPoint(-5, 8));
}

TEST(SkinResources, ReadingFromAModuleLeavesTheCurrentModuleAsItWas) {
  CMemoryResourceModule program, skin;
  AddText(skin, "TEXT", "anytype", std::string("abc\0def", 7));
  skin.AddString(63562, "Contour:0, 255, 0");
  CResourceModuleSwitch current(&program);
  std::string text;
  EXPECT_TRUE(LoadCustomString("TEXT", "anytype", text, &skin));
  EXPECT_EQ(text, "abc");
  COLORREF colour = 0;
  EXPECT_TRUE(LoadCustomColor(63562, colour, &skin));
  EXPECT_EQ(colour, RGB(0, 255, 0));
  EXPECT_FALSE(LoadCustomColor(63563, colour, &skin));
  EXPECT_EQ(GetResourceModule(), &program);
}

TEST(SkinResources, RegionResourceIsCheckedBeforeUse) {
  CMemoryResourceModule skin;
  skin.AddResource("GOOD_RGN", "wndrgn", RegionResource({CRect(0, 0, 10, 5), CRect(2, 5, 8, 10)}));
  std::vector<unsigned char> zeroCount(4 + 64, 0);
  skin.AddResource("ZERO_RGN", "wndrgn", zeroCount);
  std::vector<unsigned char> overlong = RegionResource({CRect(0, 0, 10, 5)});
  std::uint32_t claimed = 4096;
  std::memcpy(overlong.data(), &claimed, 4);
  skin.AddResource("LONG_RGN", "wndrgn", overlong);
  std::vector<unsigned char> tooManyRects = RegionResource({CRect(0, 0, 10, 5)});
  std::uint32_t rectCount = 0x10000000;
  std::memcpy(tooManyRects.data() + 4 + 8, &rectCount, 4);
  skin.AddResource("COUNT_RGN", "wndrgn", tooManyRects);
  skin.AddResource("SHORT_RGN", "wndrgn", {1, 0});

  CRgn region;
  EXPECT_FALSE(LoadCustomWndRgn("ZERO_RGN", region, &skin));
  EXPECT_FALSE(LoadCustomWndRgn("LONG_RGN", region, &skin));
  EXPECT_FALSE(LoadCustomWndRgn("COUNT_RGN", region, &skin));
  EXPECT_FALSE(LoadCustomWndRgn("SHORT_RGN", region, &skin));
  EXPECT_TRUE(region.IsEmpty());
  ASSERT_TRUE(LoadCustomWndRgn("GOOD_RGN", region, &skin));
  EXPECT_EQ(region.GetRgnBox(), CRect(0, 0, 10, 10));
  EXPECT_TRUE(region.PtInRegion({2, 7}));
  EXPECT_FALSE(region.PtInRegion({1, 7}));
}

TEST(SkinResources, CursorIsBuiltFromTheCurrentModule) {
  CMemoryResourceModule program;
  const char* rows[] = {"XXo", "Xo"};
  program.AddResource("ARROW", "CustomCursor", EncodeCursorData(CursorFromPicture(rows, CPoint(3, 4))));
  CResourceModuleSwitch current(&program);
  HCURSOR cursor = LoadCustomCursor("ARROW");
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->hotSpot(), QPoint(3, 4));
  EXPECT_FALSE(LoadCustomCursor("MISSING"));
}

TEST(SkinResources, IsZORCtrlAnswersByWindowClassName) {
  QWidget panel;
  auto* plainEdit = new QWidget(&panel);
  auto* slider = new CZORSlider(&panel);
  EXPECT_FALSE(IsZORCtrl(plainEdit));
  EXPECT_TRUE(IsZORCtrl(slider));
  EXPECT_FALSE(IsZORCtrl(nullptr));
}
