// The collections the build staged: every database sound and complete, and
// every item placed by the document where its drawing was meant to go on the
// sample portrait with the style's default placements.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "app/bases/base_database.h"
#include "app/bases/item_record.h"
#include "app/document/kelvora_doc.h"
#include "imagelib/dib_alpha.h"
#include "items/portrait.h"
#include "platform/core/zip_resource_module.h"
#include "tools/kvtool/base_commands.h"

namespace {

struct Shipped {
  const char* file;
  int kind;      // the document's item kind; -1 for the face types
  int minimum;   // items at least
};

const Shipped kShipped[] = {
    {"Hair1.hbd", kKindHairstyle, 30}, {"Glass1.hbd", kKindGlasses, 24}, {"Mous1.hbd", kKindMoustache, 20},
    {"Eyebrow1.hbd", kKindEyebrow, 20}, {"Nose1.hbd", kKindNose, 12},    {"Breast1.hbd", kKindBreast, 8},
    {"Accessr1.hbd", kKindAccessories, 20}, {"Hdress1.hbd", kKindHeadDress, 20}, {"Common.hbd", -1, 5},
};

std::string PathOf(const Shipped& shipped) { return std::string(KELVORA_BASES_DIR) + "/" + shipped.file; }

class ShippedCollection : public ::testing::TestWithParam<Shipped> {};

TEST_P(ShippedCollection, IsASoundVersion3BaseWithEnoughDistinctlyNamedItems) {
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(PathOf(GetParam()), true)) << PathOf(GetParam());
  ASSERT_TRUE(base.Load());
  EXPECT_GE(base.GetVersion(), 3.0);
  EXPECT_EQ(CheckBase(base), std::vector<std::string>{});
  EXPECT_GE(static_cast<int>(base.Records().size()), GetParam().minimum);

  std::set<std::string> names;
  for (const BaseItemRecord& record : base.Records()) {
    const std::string name = GetItemName(record);
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(names.insert(name).second) << name << " twice";
    EXPECT_EQ(record.projection, 0) << name;
    EXPECT_LE(record.faceShape, kFaceShapeOblong) << name;
    const CRect anchors = GetItemPlacement(record);
    EXPECT_LT(anchors.left, anchors.right) << name << ": the anchors must set a scale";
    std::unique_ptr<CDib> thumbnail(base.LoadThumbnail(record.thumbOffset));
    ASSERT_TRUE(thumbnail) << name;
    EXPECT_EQ(thumbnail->GetSize(), CSize(48, 48)) << name;
  }
}

// Every item's category path is a path of the stored tree, so a user who
// browses the tree reaches every item.
TEST_P(ShippedCollection, EveryItemCanBeReachedThroughTheCategoryTree) {
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(PathOf(GetParam()), true) && base.Load());
  const auto& groups = base.ValueGroups();
  const auto& labels = base.NameTable().cells.at(0);
  // Each node as (level, row) with its label, walked in column order.
  std::set<std::vector<std::string>> paths;
  int column = 0;
  std::vector<std::string> path;
  std::function<void(int, std::uint32_t)> walk = [&](int level, std::uint32_t row) {
    ASSERT_LT(column, static_cast<int>(labels.size()));
    path.push_back(labels[column++]);
    paths.insert(path);
    if (level < kValueGroups) {
      ASSERT_LT(row, groups[level].size());
      for (std::uint32_t child : groups[level][row]) {
        if (level + 1 < kValueGroups) walk(level + 1, child);
        else {
          EXPECT_EQ(child, static_cast<std::uint32_t>(column + 1)) << "a leaf is named by its column";
          path.push_back(labels[column++]);
          paths.insert(path);
          path.pop_back();
        }
      }
    }
    path.pop_back();
  };
  for (std::uint32_t row = 0; row < groups[0].size(); ++row) walk(0, row);

  for (const BaseItemRecord& record : base.Records()) {
    std::vector<std::string> itemPath;
    for (int level = 0; level < kCategoryLevels && !GetItemCategory(record, level).empty(); ++level)
      itemPath.push_back(GetItemCategory(record, level));
    EXPECT_FALSE(itemPath.empty()) << GetItemName(record);
    EXPECT_TRUE(paths.count(itemPath)) << GetItemName(record);
  }
}

INSTANTIATE_TEST_SUITE_P(Bases, ShippedCollection, ::testing::ValuesIn(kShipped),
                         [](const auto& info) { return std::string(info.param.file).substr(0, std::string(info.param.file).find('.')); });

TEST(ShippedFaceTypes, OfferTheFiveShapesUnderTypeOfFace) {
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(std::string(KELVORA_BASES_DIR) + "/Common.hbd", true) && base.Load());
  base.FilterItems({"Type of face", "all", "all", "all", "all"}, -1, -1);
  std::vector<std::string> names;
  for (const BaseItemRecord& record : base.Selection()) names.push_back(GetItemName(record));
  EXPECT_EQ(names, (std::vector<std::string>{"Triangle", "Square", "Round", "Oval", "Oblong"}));
}

// What the document needs beyond its defaults: a background to sample skin
// colour against.
class TestHost : public CDocumentHost {
 public:
  TestHost() { m_background.Create(GetClientSize(), 0xFFFFFFUL); }
  CDib* GetBackgroundRaster() override { return &m_background; }

 private:
  CDib m_background;
};

// Where a placed item's picture shows on the photo (the layers stand upright
// on the level default lines).
struct Placed {
  CDoubleRect frame;
  int width, height;
  const unsigned char* plane;

  // How opaque the picture is, on average, over the photo pixels within
  // `radius` of (x, y): 0 nothing drawn, 1 fully covered.
  double Coverage(double x, double y, int radius) const {
    double sum = 0;
    int count = 0;
    for (int dy = -radius; dy <= radius; ++dy)
      for (int dx = -radius; dx <= radius; ++dx, ++count) {
        const int ix = static_cast<int>((x + dx - frame.left) * width / (frame.right - frame.left));
        const int iy = static_cast<int>((y + dy - frame.top) * height / (frame.bottom - frame.top));
        if (ix >= 0 && iy >= 0 && ix < width && iy < height)
          sum += (255 - plane[static_cast<std::size_t>(iy) * width + ix]) / 255.0;
      }
    return sum / count;
  }
  // The photo rectangle of the clearly drawn part.
  CDoubleRect DrawnBox(unsigned char below = 160) const {
    CDoubleRect box{1e9, 1e9, -1e9, -1e9};
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (plane[static_cast<std::size_t>(y) * width + x] < below) {
          const double px = frame.left + (x + 0.5) * (frame.right - frame.left) / width;
          const double py = frame.top + (y + 0.5) * (frame.bottom - frame.top) / height;
          box.left = std::min(box.left, px), box.right = std::max(box.right, px);
          box.top = std::min(box.top, py), box.bottom = std::max(box.bottom, py);
        }
    return box;
  }
};

bool Contains(const CDoubleRect& box, double x, double y) {
  return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

class PlacedOnThePortrait : public ::testing::TestWithParam<Shipped> {};

TEST_P(PlacedOnThePortrait, EveryItemLandsInsideThePhotoWhereItWasDrawnFor) {
  using namespace portrait;
  std::unique_ptr<CZipResourceModule> style = CZipResourceModule::Open(KELVORA_STYLE_1);
  ASSERT_TRUE(style);
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(PathOf(GetParam()), true) && base.Load());
  const int kind = GetParam().kind;
  for (const BaseItemRecord& record : base.Records()) {
    const std::string name = GetItemName(record);
    TestHost host;
    CKelvoraDoc document(style.get(), &host);
    auto photo = std::make_unique<CDib>();
    ASSERT_TRUE(photo->Create(CSize(kSize, kSize), 0x8090A0UL));
    ASSERT_TRUE(document.SetPhoto(std::move(photo), 0));
    const CRect anchors = GetItemPlacement(record);
    CLayer* layer = document.PutItem(std::unique_ptr<CDibAlpha>(base.LoadItemImage(record.imageOffset)), anchors.left,
                                     anchors.top, anchors.right, anchors.bottom, kind);
    ASSERT_TRUE(layer) << name;

    const CRect box = layer->GetBoundingRect();
    EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= kSize && box.bottom <= kSize)
        << name << " at " << box.left << "," << box.top << "," << box.right << "," << box.bottom;
    EXPECT_NEAR(layer->GetSine(), 0.0, 1e-9) << name << " stands upright";

    CDibAlpha* image = layer->GetImage();
    Placed placed{layer->GetBaseRect(), image->Width(), image->Height(), image->LockAlpha()};
    ASSERT_TRUE(placed.plane);
    const CDoubleRect drawn = placed.DrawnBox();
    const bool faceOpen = placed.Coverage(kPupilLeftX, kPupilY, 2) < 0.05 &&
                          placed.Coverage(kPupilRightX, kPupilY, 2) < 0.05 && placed.Coverage(kMidX, kNoseTipY, 2) < 0.05;
    switch (kind) {
      case kKindHairstyle:
        EXPECT_TRUE(faceOpen) << name << " leaves the eyes and nose open";
        EXPECT_GT(placed.Coverage(kMidX, kFaceTop - 12, 3), 0.7) << name << " covers the crown";
        break;
      case kKindGlasses: {
        // Clear lenses and rimless frames are faint; reading glasses sit below the pupils.
        const CDoubleRect frame = placed.DrawnBox(250);
        EXPECT_TRUE(frame.left < kPupilLeftX && frame.right > kPupilRightX) << name;
        EXPECT_TRUE(frame.top <= kEyesY + 5 && frame.bottom >= kEyesY) << name << " at the eyes";
        break;
      }
      case kKindEyebrow:
        EXPECT_LT(drawn.bottom, kEyesY) << name << " above the eyes";
        EXPECT_TRUE(drawn.left < kPupilLeftX && drawn.right > kPupilRightX) << name;
        break;
      case kKindMoustache:
        EXPECT_TRUE(faceOpen) << name;
        EXPECT_TRUE(Contains(drawn, kMidX, kMouthY - 6)) << name << " over the upper lip";
        break;
      case kKindNose: EXPECT_TRUE(Contains(drawn, kMidX, kNoseTipY)) << name; break;
      case kKindBreast:
        EXPECT_TRUE(Contains(drawn, (kUnderarmLeft + kUnderarmRight) / 2.0, kUnderarmY + 36)) << name;
        EXPECT_GT(drawn.top, kChinY) << name << " below the chin";
        break;
      case kKindAccessories:
      case kKindHeadDress: EXPECT_TRUE(faceOpen) << name; break;
    }
    image->UnlockAlpha();
  }
}

INSTANTIATE_TEST_SUITE_P(Bases, PlacedOnThePortrait, ::testing::ValuesIn(kShipped, kShipped + 8),
                         [](const auto& info) { return std::string(info.param.file).substr(0, std::string(info.param.file).find('.')); });

}  // namespace
