#include <gtest/gtest.h>

#include "platform/core/message_box.h"
#include "platform/core/raster_dc.h"
#include "platform/core/resource_module.h"

namespace {

TEST(ResourceModule, NamesAndTypesCompareWithoutCase) {
  CMemoryResourceModule module;
  module.AddResource("IDB_Title", "BmpImage", {1, 2});
  module.AddResource(MakeIntResource(7), MakeIntResource(2), {3});
  ASSERT_TRUE(module.FindResource("idb_title", "BMPIMAGE").has_value());
  EXPECT_EQ(module.FindResource("IDB_TITLE", "bmpimage")->size(), 2u);
  EXPECT_FALSE(module.FindResource("IDB_TITLE", "jpgimage").has_value());
  ASSERT_TRUE(module.FindResource(MakeIntResource(7), MakeIntResource(2)).has_value());
  EXPECT_FALSE(module.FindResource("#7", "bmpimage").has_value());
  EXPECT_FALSE(module.FindResource(nullptr, "bmpimage").has_value());
}

TEST(ResourceModule, CurrentModuleSwitchesAndRestores) {
  CMemoryResourceModule first;
  CMemoryResourceModule second;
  first.AddString(61766, "Photo not loaded for this projection.");
  HINSTANCE outer = SetResourceModule(&first);
  {
    CResourceModuleSwitch inner(&second);
    EXPECT_EQ(GetResourceModule(), &second);
    EXPECT_EQ(LoadResourceString(61766), "");
    EXPECT_EQ(LoadResourceString(61766, &first), "Photo not loaded for this projection.");
  }
  EXPECT_EQ(GetResourceModule(), &first);
  EXPECT_EQ(LoadResourceString(61766), "Photo not loaded for this projection.");
  SetResourceModule(outer);
}

TEST(ResourceModule, RegistryFindsModulesByNameWithoutCase) {
  CMemoryResourceModule module;
  RegisterModule("StyleTest", &module);
  EXPECT_EQ(FindModule("STYLETEST"), &module);
  RegisterModule("styletest", nullptr);
  EXPECT_EQ(FindModule("StyleTest"), nullptr);
}

TEST(MessageBox, RecordingServiceCapturesAndAnswersInOrder) {
  CRecordingMessageBoxService recorder;
  recorder.QueueAnswer(IDNO);
  EXPECT_EQ(ShowMessageBox("Delete?", "Kelvora", MessageIcon::Question, MessageButtons::YesNo), IDNO);
  EXPECT_EQ(ShowMessageBox("Again?", "", MessageIcon::Question, MessageButtons::YesNoCancel), IDYES);
  EXPECT_EQ(ShowMessageBox("Done"), IDOK);
  ASSERT_EQ(recorder.messages().size(), 3u);
  EXPECT_EQ(recorder.messages()[0].caption, "Kelvora");
  EXPECT_EQ(recorder.messages()[0].icon, MessageIcon::Question);
}

TEST(MessageBox, NestedRecordersRestoreTheOuterOne) {
  CRecordingMessageBoxService outer;
  {
    CRecordingMessageBoxService inner;
    ShowMessageBox("inner");
    EXPECT_EQ(inner.messages().size(), 1u);
  }
  ShowMessageBox("outer");
  ASSERT_EQ(outer.messages().size(), 1u);
  EXPECT_EQ(outer.messages()[0].text, "outer");
}

TEST(RasterDC, ClipsOutsideAndIgnoresForeignBitDepths) {
  CRasterDC dc(3, 3, RGB(1, 2, 3));
  dc.SetPixel(-1, 0, RGB(9, 9, 9));
  dc.SetPixel(3, 3, RGB(9, 9, 9));
  EXPECT_EQ(dc.PixelsWritten(), 0);
  EXPECT_EQ(dc.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(dc.GetPixel(5, 0), 0xFFFFFFFFu);

  unsigned char bits[4] = {10, 20, 30, 0};
  BITMAPINFOHEADER info{40, 1, 1, 1, 32, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(dc.StretchDIBits(0, 0, 3, 3, 0, 0, 1, 1, bits, info, SRCCOPY), 0);
  info.biBitCount = 24;
  EXPECT_EQ(dc.StretchDIBits(-1, -1, 3, 3, 0, 0, 1, 1, bits, info, SRCCOPY), 3);
  EXPECT_EQ(dc.GetPixel(1, 1), RGB(30, 20, 10));
  EXPECT_EQ(dc.PixelsWritten(), 4);
}

}  // namespace
