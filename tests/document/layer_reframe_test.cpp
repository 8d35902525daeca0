#include <gtest/gtest.h>

#include <cmath>

#include "app/document/layer_reframe.h"
#include "app/document/photo_makeup_pair.h"
#include "tests/document/document_fixture.h"

using testdocument::DocumentTest;
using testdocument::MakeItem;
using testimages::Bgr;
using testimages::PatternColour;
using testimages::PixelAt;

namespace {

// A 100 x 50 item shown twice its size in the frame (10, 20) to (210, 120):
// two document units a pixel.
std::unique_ptr<CLayer> MakeDoubledLayer() {
  auto layer = std::make_unique<CLayer>(true);
  layer->AttachImage(MakeItem(100, 50), CDoubleRect{10, 20, 210, 120});
  return layer;
}

unsigned char AlphaAt(CDibAlpha& image, int x, int y) {
  const unsigned char* plane = image.LockAlpha();
  const unsigned char value = plane[y * image.Width() + x];
  image.UnlockAlpha();
  return value;
}

}  // namespace

// Cropped or extended, each old pixel stays under the same document point;
// what the frame adds is transparent. (70, 40) is 60 and 20 units into the
// old frame, pixel (30, 10); (-10, 0) is 20 units left of and above it, ten
// pixels of new margin on both sides.
TEST(LayerReframe, CroppingOrExtendingKeepsEachPixelWhereItWas) {
  struct Case {
    CDoubleRect frame;
    CSize size;
    CPoint oldOrigin;  // where old pixel (0, 0) lands in the new image
  };
  for (const Case& c : {Case{{70, 40, 170, 90}, {50, 25}, {-30, -10}}, Case{{-10, 0, 210, 120}, {110, 60}, {10, 10}}}) {
    auto layer = MakeDoubledLayer();
    CQuadTracker frame(*layer);
    frame.SetRect(c.frame.left, c.frame.top, c.frame.right, c.frame.bottom);
    ASSERT_TRUE(ReframeLayer(*layer, frame));
    CDibAlpha& image = *layer->GetImage();
    ASSERT_EQ(CSize(image.Width(), image.Height()), c.size);
    EXPECT_EQ(layer->GetBaseRect(), c.frame);
    for (int y = 0; y < c.size.cy; ++y)
      for (int x = 0; x < c.size.cx; ++x) {
        const int u = x - c.oldOrigin.x, v = y - c.oldOrigin.y;
        if (u >= 0 && u < 100 && v >= 0 && v < 50) {
          ASSERT_EQ(PixelAt(image, x, y), PatternColour(u, v)) << x << "," << y;
          ASSERT_EQ(AlphaAt(image, x, y), u == 0 ? 255 : (v % 4 == 1 ? 128 : 0)) << x << "," << y;
        } else {
          ASSERT_EQ(PixelAt(image, x, y), (Bgr{0, 0, 0})) << x << "," << y;
          ASSERT_EQ(AlphaAt(image, x, y), 255) << x << "," << y;
        }
      }
  }
}

// The adjustments are baked into the new image too; the old steps go, since
// their pixels belong to the old image.
TEST(LayerReframe, ReappliesTheAdjustmentsAndEmptiesBothLists) {
  auto layer = MakeDoubledLayer();
  layer->SetImageOpacity(40);
  layer->PushGeometryUndo("Move");
  layer->PushGeometryUndo("Resize");
  layer->Undo();
  ASSERT_TRUE(layer->CanUndo() && layer->CanRedo());
  CQuadTracker frame(*layer);
  frame.SetRect(10, 20, 110, 70);
  ASSERT_TRUE(ReframeLayer(*layer, frame));
  EXPECT_EQ(layer->GetImage()->m_nOpacity, 40);
  EXPECT_FALSE(layer->CanUndo());
  EXPECT_FALSE(layer->CanRedo());
}

TEST(LayerReframe, AFrameWithAnotherRotationChangesNothing) {
  auto layer = MakeDoubledLayer();
  layer->PushGeometryUndo("Move");
  const CDibAlpha* image = layer->GetImage();
  CQuadTracker frame(*layer);
  frame.SetRotation(0.5, std::sqrt(0.75));
  EXPECT_FALSE(ReframeLayer(*layer, frame));
  EXPECT_EQ(layer->GetImage(), image);
  EXPECT_TRUE(layer->CanUndo());

  CLayer empty(true);
  EXPECT_FALSE(ReframeLayer(empty, CQuadTracker(empty)));
}

class PhotoMakeupPair : public DocumentTest {};

TEST_F(PhotoMakeupPair, EitherOneDraggedTheOtherTakesItsBoxUnturned) {
  ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(400, 300)));
  CLayer* photo = document.GetPhotoLayer();
  CLayer* makeup = document.GetMakeupLayer();
  ASSERT_TRUE(photo && makeup);
  photo->SetRect(50, 40, 449, 339);
  photo->SetRotation(0.1, std::sqrt(0.99));
  KeepPhotoAndMakeupTogether(document, photo);
  const CRect box = photo->GetBoundingRect();
  EXPECT_EQ(makeup->GetBaseRect(), (CDoubleRect{double(box.left), double(box.top), double(box.right), double(box.bottom)}));
  EXPECT_EQ(makeup->GetSine(), 0.0);

  makeup->SetRect(0, 0, 100, 80);
  KeepPhotoAndMakeupTogether(document, makeup);
  EXPECT_EQ(photo->GetBaseRect(), (CDoubleRect{0, 0, 100, 80}));

  CLayer item(true);
  item.SetRect(1, 2, 3, 4);
  KeepPhotoAndMakeupTogether(document, &item);
  KeepPhotoAndMakeupTogether(document, nullptr);
  EXPECT_EQ(photo->GetBaseRect(), (CDoubleRect{0, 0, 100, 80}));
}
