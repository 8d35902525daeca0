// Documents and project files built inside the project file tests: a look
// with a photo, painted make-up and items with their adjustments, and files
// encoded byte by byte from the tabled layout, independent of the writer.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "app/document/project_file.h"
#include "tests/imagelib/test_images.h"
#include "tests/test_files.h"

namespace projecttest {

using testimages::Append;

// A w x h pattern item, opaque on its left half and fading on the right.
inline std::unique_ptr<CDibAlpha> ItemImage(int width, int height, int seed) {
  auto image = std::make_unique<CDibAlpha>();
  testimages::MakePatternImage(*image, width, height);
  unsigned char* plane = image->LockAlpha();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      plane[y * width + x] = x < width / 2 ? 0 : static_cast<unsigned char>((x * 40 + y * 7 + seed) & 0xFF);
  image->UnlockAlpha();
  return image;
}

// Photo, painted make-up and an item of every kind in `kinds`, each with
// adjustments of its own, in projection `within` of `set`.
inline void MakeLook(CKelvoraDoc& document, int set, int within, std::vector<int> kinds) {
  document.SwitchProjectionSet(set);
  auto photo = std::make_unique<CDib>();
  testimages::MakePatternImage(*photo, 40, 30);
  ASSERT_TRUE(document.SetPhoto(std::move(photo), within, false));
  document.SelectProjection(within, false, true);
  CProjection& projection = *document.GetProjection(-1);
  projection.FaceFrame().SetRect(5.5, 4.25, 30.75, 26);
  projection.FaceFrame().SetRotation(0.6, 0.8);
  projection.EyesLine().SetPoints(10, 12, 28, 13);
  projection.LipsLine().SetPoints(14, 22, 24, 21);
  projection.UnderarmLine().SetPoints(-3, 27, 44, 28);
  projection.PrintArea().SetRect(1, 2, 39, 29.5);
  unsigned char* paint = projection.GetMakeup()->GetImage()->LockAlpha();
  for (int i = 0; i < 40; ++i) paint[i * 7] = static_cast<unsigned char>(i * 5);
  projection.GetMakeup()->GetImage()->UnlockAlpha();
  projection.GetMakeup()->StoreAdjustments(70, 50, 50, 90, false, 95, 0, -1);
  projection.GetMakeup()->ApplyAdjustments();
  for (int kind : kinds) {
    CLayer* layer = document.PutItem(ItemImage(12 + kind, 9, kind), 1, 2, 10, 3, kind);
    ASSERT_NE(layer, nullptr) << kind;
    layer->StoreAdjustments(40 + kind, 60 - kind, 20 + kind * 5, 80 + kind, kind % 2 == 1, 10 * kind,
                            0x102030ul * static_cast<unsigned long>(kind + 1), kind - 1);
    layer->ApplyAdjustments();
    projection.StretchFrame(kind)->SetRect(kind, 2.5, 100 + kind, 150.25);
  }
}

inline std::vector<unsigned char> Written(CKelvoraDoc& document, int projection, const TemporaryFolder& folder) {
  std::string reason;
  const std::string path = folder.File("written.kvp");
  if (!WriteProjectFile(document, projection, path, &reason)) return {};
  return TemporaryFolder::Read(path);
}

// --- files encoded from the table ---

inline void AppendRect(std::vector<unsigned char>& bytes, double left, double top, double bottom, double right) {
  for (double value : {left, top, bottom, right}) Append(bytes, value);
}

inline std::vector<unsigned char> Header(std::int32_t mode, std::int32_t index, std::int32_t version = 1) {
  std::vector<unsigned char> bytes;
  Append(bytes, mode);
  Append(bytes, index);
  Append(bytes, version);
  CDib white;
  white.Create(CSize(64, 64), 0xFFFFFFul);
  TemporaryFolder folder;
  white.SaveToBMPFile(folder.File("t.bmp"));
  std::vector<unsigned char> bmp = TemporaryFolder::Read(folder.File("t.bmp"));
  bytes.insert(bytes.end(), bmp.begin(), bmp.end());
  return bytes;
}

// Face frame, rotation, lines and print area with fixed values.
inline void AppendFrames(std::vector<unsigned char>& bytes) {
  AppendRect(bytes, 2.0, 3.0, 20.0, 18.5);
  Append(bytes, 1.0);
  Append(bytes, 0.0);
  for (std::int32_t value : {4, 5, 14, 6, 7, 15, 12, 16, 0, 19, 21, 20}) Append(bytes, value);
  AppendRect(bytes, 0.0, 0.0, 16.0, 24.0);
}

struct LayerSpec {
  std::int32_t width = 2;
  std::int32_t height = 2;
  double rotation[2] = {1.0, 0.0};
  std::array<std::int32_t, 4> adjustments = {50, 50, 50, 100};  // brightness, contrast, hue, opacity
  std::uint8_t filterOn = 0;
  std::int32_t strength = 100;
  std::uint32_t colour = 0;
  std::int32_t number = -1;
  unsigned char shade = 0x40;
};

inline void AppendLayer(std::vector<unsigned char>& bytes, const LayerSpec& spec) {
  Append(bytes, spec.width);
  Append(bytes, spec.height);
  const std::size_t row = (static_cast<std::size_t>(spec.width) * 3 + 3) & ~std::size_t{3};
  for (std::size_t i = 0; i < row * spec.height; ++i) bytes.push_back(static_cast<unsigned char>(spec.shade + i));
  for (int i = 0; i < spec.width * spec.height; ++i) bytes.push_back(static_cast<unsigned char>(i * 50));
  AppendRect(bytes, 0.0, 0.0, 16.0, 24.0);
  Append(bytes, spec.rotation[0]);
  Append(bytes, spec.rotation[1]);
  for (std::int32_t value : spec.adjustments) Append(bytes, value);
  bytes.push_back(spec.filterOn);
  Append(bytes, spec.strength);
  Append(bytes, spec.colour);
  Append(bytes, spec.number);
}

// A photo, a make-up layer and the layers of `slots`, each after its
// stretch frame.
inline std::vector<unsigned char> TabledFile(std::int32_t mode, std::int32_t index, std::vector<int> slots,
                                             const LayerSpec& photo = {}) {
  std::vector<unsigned char> bytes = Header(mode, index);
  AppendFrames(bytes);
  std::uint32_t mask = kProjectMaskPhoto | kProjectMaskMakeup;
  for (int slot : slots) mask |= ProjectMaskSlot(slot);
  Append(bytes, mask);
  AppendLayer(bytes, photo);
  AppendLayer(bytes, {.shade = 0x10});
  for (int slot : slots) {
    AppendRect(bytes, slot, 1.0, 30.0, 40.0 + slot);
    AppendLayer(bytes, {.width = 1 + slot % 3, .height = 3, .shade = static_cast<unsigned char>(slot * 20)});
  }
  return bytes;
}

// What a test can tell of a document without writing it: which objects it
// holds and where its frames are.
struct DocumentState {
  int mode;
  int current;
  const CLayer* currentLayer;
  const CLayer* photo;
  const CLayer* makeup;
  std::vector<const CLayer*> layers;
  std::vector<CQuadTracker::Geometry> frames;
  std::vector<CPoint> points;
  bool operator==(const DocumentState&) const = default;
};

inline DocumentState StateOf(CKelvoraDoc& document) {
  DocumentState state{document.GetMode(), document.GetProjectionIndex(-1), document.GetCurrentLayer(),
                      document.GetPhotoLayer(), document.GetMakeupLayer(), {}, {}, {}};
  for (int p = 0; p < kProjectionCount; ++p) {
    CProjection& projection = *document.GetProjection(p);
    state.layers.push_back(projection.GetPhoto());
    state.layers.push_back(projection.GetMakeup());
    for (int slot = 0; slot < kSlotCount; ++slot) {
      state.layers.push_back(projection.GetSlot(slot));
      state.frames.push_back(projection.StretchFrame(slot)->GetGeometry());
    }
    state.frames.push_back(projection.FaceFrame().GetGeometry());
    state.frames.push_back(projection.PrintArea().GetGeometry());
    for (const CLineTracker* line : {&projection.EyesLine(), &projection.LipsLine(), &projection.UnderarmLine()}) {
      state.points.push_back(line->GetPoint0());
      state.points.push_back(line->GetPoint1());
    }
  }
  return state;
}

}  // namespace projecttest
