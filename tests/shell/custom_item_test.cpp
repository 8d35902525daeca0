// The custom base: an item kept from the current layer comes back on the
// same pixels (moved, scaled, turned, on a turned face), fits another face
// by its size, keeps its layer number, and is removed with its blocks.
#include <gtest/gtest.h>

#include <cmath>

#include "app/bases/item_record.h"
#include "app/document/projection_render.h"
#include "app/shell/items/custom_item.h"
#include "app/shell/items/item_application.h"
#include "tests/document/document_fixture.h"
#include "tests/test_files.h"

using testdocument::MakePhoto;
using testimages::Bgr;
using testimages::PixelAt;
using testimages::SetPixel;

namespace {

constexpr Bgr kRed{0, 0, 255};

// Four opaque quarters of plain colour: resampling changes only the pixels
// along their borders, so two placements can be compared pixel for pixel.
std::unique_ptr<CDibAlpha> QuarteredItem(int width, int height) {
  CDib colour;
  colour.Create(CSize(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, lower = y >= height / 2;
      SetPixel(colour, x, y, right ? (lower ? Bgr{255, 0, 0} : kRed) : (lower ? Bgr{0, 255, 0} : Bgr{255, 255, 0}));
    }
  auto item = std::make_unique<CDibAlpha>();
  item->Create(&colour, 0);
  return item;
}

struct Pose {
  const char* name;
  double dx, dy, grow, layerAngle, faceAngle;
};

class CustomItemPlacement : public testdocument::DocumentTest, public ::testing::WithParamInterface<Pose> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(custom.Create(folder.File("Cust1.hbd"), "Custom", "3.0", 0));
    ASSERT_TRUE(document.SetPhoto(MakePhoto(320, 320)));
    Front().FaceFrame().SetRect(100, 100, 200, 220);
    Front().EyesLine().SetPoints(120, 140, 180, 140);
    Front().LipsLine().SetPoints(130, 190, 170, 190);
  }
  CProjection& Front() { return *document.GetProjection(0); }
  std::unique_ptr<CDib> Render() { return RenderProjectionLayers(Front(), false, nullptr, nullptr); }
  // The centre of the red quarter as composed.
  static CDoublePoint RedCentre(CDib& picture) {
    double x = 0, y = 0, count = 0;
    for (int py = 0; py < picture.Height(); ++py)
      for (int px = 0; px < picture.Width(); ++px)
        if (PixelAt(picture, px, py) == kRed) x += px, y += py, ++count;
    return count ? CDoublePoint(x / count, y / count) : CDoublePoint(-1, -1);
  }
  TemporaryFolder folder;
  CBaseDatabase custom;
};

TEST_P(CustomItemPlacement, ReappliedOnTheSamePhotoItLandsOnTheSamePixels) {
  const Pose pose = GetParam();
  Front().FaceFrame().SetRect(110, 60, 210, 190);
  Front().FaceFrame().SetRotationKeepCentre(std::sin(pose.faceAngle), std::cos(pose.faceAngle));
  CLayer* layer = document.PutItem(QuarteredItem(60, 40), 5, 5, 55, 5, kKindHairstyle);
  ASSERT_NE(layer, nullptr);
  const CDoubleRect box = layer->GetBaseRect();
  const double cx = (box.left + box.right) / 2 + pose.dx, cy = (box.top + box.bottom) / 2 + pose.dy;
  const double halfW = (box.right - box.left) / 2 * pose.grow, halfH = (box.bottom - box.top) / 2 * pose.grow;
  layer->SetRect(cx - halfW, cy - halfH, cx + halfW, cy + halfH);
  layer->SetRotationKeepCentre(std::sin(pose.layerAngle), std::cos(pose.layerAngle));
  std::unique_ptr<CDib> before = Render();
  ASSERT_TRUE(before);

  ASSERT_TRUE(AddToCustomBase(custom, document, *layer, kKindHairstyle, "My bob"));
  RefreshSelection(custom, AllCategories(), -1, -1);
  ASSERT_EQ(custom.Selection().size(), 1u);
  ASSERT_EQ(ApplySelectedItem(document, custom, kCustomBaseSlot, 0, false), ApplyResult::applied);
  std::unique_ptr<CDib> after = Render();

  int covered = 0, differing = 0;
  for (int y = 0; y < before->Height(); ++y)
    for (int x = 0; x < before->Width(); ++x) {
      const Bgr a = PixelAt(*before, x, y), b = PixelAt(*after, x, y);
      const bool itemPixel = a == kRed || a == Bgr{255, 0, 0} || a == Bgr{0, 255, 0} || a == Bgr{255, 255, 0};
      covered += itemPixel;
      differing += !(a == b);
    }
  ASSERT_GT(covered, 1000);
  // Two nearest-pixel resamplings may disagree along the quarters' borders
  // and the outline, never across the item.
  EXPECT_LT(differing, covered / 8) << pose.name << ": " << differing << " of " << covered;
  // The composer rounds a turned layer's pixels its own way, so the red
  // quarter's centre may move by up to two pixels there; a misread anchor
  // moves it by tens.
  const double slack = pose.layerAngle != 0 ? 2.0 : 1.0;
  const CDoublePoint was = RedCentre(*before), is = RedCentre(*after);
  EXPECT_NEAR(is.x, was.x, slack) << pose.name;
  EXPECT_NEAR(is.y, was.y, slack) << pose.name;
}

INSTANTIATE_TEST_SUITE_P(Poses, CustomItemPlacement,
                         ::testing::Values(Pose{"as placed", 0, 0, 1, 0, 0}, Pose{"moved", 23, -11, 1, 0, 0},
                                           Pose{"scaled", 4, 7, 1.6, 0, 0}, Pose{"turned", 0, 0, 1, 0.5, 0},
                                           Pose{"all on a turned face", -9, 12, 0.7, -0.4, 0.3}),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST_F(CustomItemPlacement, OnAnotherFaceItFitsThatFaceAndKeepsItsLayer) {
  Front().FaceFrame().SetRect(100, 100, 200, 220);
  CLayer* layer = document.PutItem(QuarteredItem(60, 40), 5, 5, 55, 5, kKindGlasses);
  ASSERT_NE(layer, nullptr);
  const CDoubleSize size = layer->GetSizeExact();
  ASSERT_TRUE(AddToCustomBase(custom, document, *layer, kKindGlasses, "Mine"));
  const BaseItemRecord record = custom.Records().at(0);
  EXPECT_EQ(record.name[53], 0);
  EXPECT_EQ(record.name[54], 1);
  EXPECT_EQ(GetCustomItemLayer(record), kKindGlasses);

  // The glasses follow the eyes line: twice as far apart, twice the size.
  CLineTracker& eyes = Front().EyesLine();
  const CPoint p0 = eyes.GetPoint0(), p1 = eyes.GetPoint1();
  eyes.SetPoints(p0.x, p0.y, p0.x + 2 * (p1.x - p0.x), p0.y + 2 * (p1.y - p0.y));
  document.SetCurrentLayer(nullptr);
  RefreshSelection(custom, AllCategories(), -1, -1);
  ASSERT_EQ(ApplySelectedItem(document, custom, kCustomBaseSlot, 0, false), ApplyResult::applied);
  const CDoubleSize fitted = Front().GetSlot(kKindGlasses)->GetSizeExact();
  EXPECT_NEAR(fitted.cx, 2 * size.cx, 2.0);
  EXPECT_NEAR(fitted.cy, 2 * size.cy, 2.0);
}

TEST_F(CustomItemPlacement, EveryItemKindsLayerIsKeptAndAppliedBack) {
  for (int kind : {kKindEyebrow, kKindHeadDress}) {
    CLayer* layer = document.PutItem(QuarteredItem(30, 20), 0, 0, 30, 0, kind);
    ASSERT_NE(layer, nullptr) << kind;
    ASSERT_TRUE(AddToCustomBase(custom, document, *layer, kind, "Kind " + std::to_string(kind)));
  }
  RefreshSelection(custom, AllCategories(), -1, -1);
  for (int kind : {kKindEyebrow, kKindHeadDress}) Front().SetSlot(kind, nullptr);
  document.SetCurrentLayer(nullptr);
  ASSERT_EQ(ApplySelectedItem(document, custom, kCustomBaseSlot, 0, false), ApplyResult::applied);
  ASSERT_EQ(ApplySelectedItem(document, custom, kCustomBaseSlot, 1, false), ApplyResult::applied);
  EXPECT_NE(Front().GetSlot(kKindEyebrow), nullptr);
  EXPECT_NE(Front().GetSlot(kKindHeadDress), nullptr);
}

TEST_F(CustomItemPlacement, RemovingAnItemLeavesOnlyTheOthersBlocks) {
  for (const char* name : {"First", "Second", "Third"}) {
    CLayer* layer = document.PutItem(QuarteredItem(24, 16), 0, 0, 24, 0, kKindHairstyle);
    ASSERT_TRUE(AddToCustomBase(custom, document, *layer, kKindHairstyle, name));
  }
  const BaseItemRecord second = custom.Records()[1];
  const BaseItemRecord third = custom.Records()[2];
  ASSERT_TRUE(RemoveFromCustomBase(custom, second.imageOffset));
  ASSERT_EQ(custom.Records().size(), 2u);
  EXPECT_EQ(GetItemName(custom.Records()[1]), "Third");
  EXPECT_EQ(custom.GetImageStore().GetLength(), custom.Records()[0].imageBlockSize + third.imageBlockSize);
  EXPECT_EQ(custom.GetThumbnailStore().GetLength(), 2u * 48 * 48 * 3);
  EXPECT_FALSE(RemoveFromCustomBase(custom, 999999)) << "no such item";
}

TEST_F(CustomItemPlacement, ALongNameIsCutSoTheLayerDigitsSurvive) {
  CLayer* layer = document.PutItem(QuarteredItem(24, 16), 0, 0, 24, 0, kKindMoustache);
  ASSERT_TRUE(AddToCustomBase(custom, document, *layer, kKindMoustache, std::string(80, 'n')));
  EXPECT_EQ(GetItemName(custom.Records()[0]).size(), 51u);
  EXPECT_EQ(GetCustomItemLayer(custom.Records()[0]), kKindMoustache);
}

}  // namespace
