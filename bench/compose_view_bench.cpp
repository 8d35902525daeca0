// Recomposing the view as the document does: a copy of the background's part,
// then each layer drawn under it in place. The scene is a 12-megapixel photo
// drawn into a 1440 x 1080 frame and five 1000 x 1000 items, each scaled,
// turned, partly transparent and drawn through a colour table. Timed for the
// whole 1920 x 1080 surface and for a 200 x 200 dirty rectangle, each against
// a memcpy of the full surface's bytes in the same run. The layers are drawn
// on two threads for large areas, so times and ratios are wall-clock.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/ratio_reporter.h"
#include "imagelib/dib_alpha.h"

namespace {

const CSize kScreen(1920, 1080);

// Bytes that look like noise, cheaply (rows padded or not, every byte set).
void FillNoise(unsigned char* bytes, std::size_t count, unsigned seed) {
  unsigned state = seed * 2654435761u + 1;
  for (std::size_t i = 0; i < count; ++i) {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    bytes[i] = static_cast<unsigned char>(state >> 7);
  }
}

CDib& Background() {
  static std::unique_ptr<CDib> image = [] {
    auto result = std::make_unique<CDib>();
    result->Create(kScreen);
    FillNoise(result->LockBits(), result->Length(), 1);
    result->UnlockBits();
    return result;
  }();
  return *image;
}

// One drawn layer and where it goes on the screen.
struct SceneLayer {
  std::unique_ptr<CDibAlpha> image;
  double sine, cosine;
  CSize scaled, box;
  CPoint at;
};

// A layer of noise whose plane is opaque inside a shape, soft at its edge
// and transparent outside; `shape` picks a disc, a rounded square or a ring.
std::unique_ptr<CDibAlpha> ItemLayer(int size, int shape, unsigned seed) {
  auto layer = std::make_unique<CDibAlpha>();
  layer->Create(CSize(size, size));
  FillNoise(layer->LockBits(), layer->Length(), seed);
  layer->UnlockBits();
  unsigned char* plane = layer->LockAlpha();
  const double half = size / 2.0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double dx = std::abs(x - half), dy = std::abs(y - half);
      double edge;  // distance inside the shape's edge, in pixels; negative outside
      if (shape == 0) edge = 0.45 * size - std::hypot(dx, dy);
      else if (shape == 1) edge = 0.42 * size - std::max(dx, dy);
      else edge = 0.12 * size - std::abs(std::hypot(dx, dy) - 0.32 * size);
      plane[static_cast<std::size_t>(y) * size + x] =
          edge >= 40 ? 0 : edge <= 0 ? 255 : static_cast<unsigned char>(255 - edge * 6);
    }
  layer->UnlockAlpha();
  return layer;
}

CSize BoxOf(CSize scaled, double sine, double cosine) {
  return CSize(static_cast<int>(std::ceil(std::abs(scaled.cx * cosine) + std::abs(scaled.cy * sine))),
               static_cast<int>(std::ceil(std::abs(scaled.cx * sine) + std::abs(scaled.cy * cosine))));
}

std::vector<SceneLayer>& Scene() {
  static std::vector<SceneLayer> scene = [] {
    std::vector<SceneLayer> layers;
    // The photo: opaque, brightened through its table, unturned in its frame.
    SceneLayer photo;
    photo.image = std::make_unique<CDibAlpha>();
    photo.image->Create(CSize(4000, 3000));
    FillNoise(photo.image->LockBits(), photo.image->Length(), 7);
    photo.image->UnlockBits();
    std::memset(photo.image->LockAlpha(), 0, 4000u * 3000u);
    photo.image->UnlockAlpha();
    photo.image->m_pLut->SetBrightness(12);
    photo.sine = 0, photo.cosine = 1;
    photo.scaled = photo.box = CSize(1440, 1080);
    photo.at = CPoint(240, 0);
    layers.push_back(std::move(photo));

    struct Item {
      double scale, degrees;
      CPoint centre;
      int opacity;
      bool greyIndex;
    };
    const Item items[] = {
        {0.9, 17, {500, 400}, 100, false},   {1.2, -33, {1400, 600}, 100, true}, {0.75, 61, {960, 900}, 80, false},
        {1.05, 128, {200, 950}, 60, true},   {0.8, -152, {1700, 150}, 100, false},
    };
    for (int i = 0; i < 5; ++i) {
      SceneLayer layer;
      layer.image = ItemLayer(1000, i % 3, 10 + i);
      layer.image->SetOpacity(items[i].opacity);
      layer.image->m_bGrayIndex = items[i].greyIndex;
      if (items[i].greyIndex) layer.image->m_pLut->ColorFilter(0x3080C0ul, 60);
      else layer.image->m_pLut->SetContrast(20);
      const double radians = items[i].degrees * 3.141592653589793 / 180;
      layer.sine = std::sin(radians), layer.cosine = std::cos(radians);
      const int side = static_cast<int>(1000 * items[i].scale);
      layer.scaled = CSize(side, side);
      layer.box = BoxOf(layer.scaled, layer.sine, layer.cosine);
      layer.at = CPoint(items[i].centre.x - layer.box.cx / 2, items[i].centre.y - layer.box.cy / 2);
      layers.push_back(std::move(layer));
    }
    return layers;
  }();
  return scene;
}

// What the document does for a dirty rectangle: copy the background's part,
// then draw each layer under it in place.
std::unique_ptr<CDib> Recompose(const CRect& dirty) {
  std::unique_ptr<CDib> view(Background().Edit_Copy(dirty));
  for (SceneLayer& layer : Scene())
    layer.image->PutUnderRectTransformInPlace(view.get(), CPoint(layer.at.x - dirty.left, layer.at.y - dirty.top),
                                              layer.sine, layer.cosine, layer.scaled, layer.box);
  return view;
}

void ComposeViewFull(benchmark::State& state) {
  Scene();
  for (auto _ : state) {
    std::unique_ptr<CDib> view = Recompose(CRect(0, 0, kScreen.cx, kScreen.cy));
    benchmark::DoNotOptimize(view.get());
  }
}

// The same into a surface kept from the last recompose: the background's
// part is copied over it (Edit_Cut) rather than into a new block, whose
// fresh pages the system must first map and zero.
void ComposeViewFullKeptSurface(benchmark::State& state) {
  Scene();
  CDib surface;
  surface.Create(kScreen);
  for (auto _ : state) {
    surface.Edit_Cut(&Background(), CPoint(0, 0));
    for (SceneLayer& layer : Scene())
      layer.image->PutUnderRectTransformInPlace(&surface, layer.at, layer.sine, layer.cosine, layer.scaled,
                                                layer.box);
    benchmark::DoNotOptimize(surface.GetHandle());
  }
}

// The same through PutUnderRectTransform: a new raster for every layer.
void ComposeViewFullByCopies(benchmark::State& state) {
  Scene();
  const CRect whole(0, 0, kScreen.cx, kScreen.cy);
  for (auto _ : state) {
    std::unique_ptr<CDib> view(Background().Edit_Copy(whole));
    for (SceneLayer& layer : Scene())
      view.reset(layer.image->PutUnderRectTransform(view.get(), layer.at, whole, layer.sine, layer.cosine,
                                                    layer.scaled, layer.box));
    benchmark::DoNotOptimize(view.get());
  }
}

// A brush-sized change where four of the layers overlap.
void ComposeViewDirtyRect(benchmark::State& state) {
  Scene();
  for (auto _ : state) {
    std::unique_ptr<CDib> view = Recompose(CRect(860, 440, 1060, 640));
    benchmark::DoNotOptimize(view.get());
  }
}

void MemcpyScreen(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(Background().Length());
  std::vector<unsigned char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(ComposeViewFull)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComposeViewFullKeptSurface)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComposeViewFullByCopies)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ComposeViewDirtyRect)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MemcpyScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv,
                       {{"ComposeViewFull", "MemcpyScreen"},
                        {"ComposeViewFullKeptSurface", "MemcpyScreen"},
                        {"ComposeViewDirtyRect", "MemcpyScreen"},
                        {"ComposeViewFullByCopies", "ComposeViewFull"}},
                       RatioClock::wall);
}
