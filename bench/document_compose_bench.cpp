// What every drag, slider move and brush stroke waits for: the document
// recomposing the view. A 12-megapixel photo fitted into a full-HD view with
// five item layers of about 1000 x 1000 pixels over it, each scaled, turned,
// with a soft transparency plane and its own colour adjustments. Measured:
// the whole view, a 200 x 200 dirty rectangle, and a 100-move drag of one
// layer recomposing the union of its rectangles before and after each move
// over the layers under it kept composed, as the view does, and the same drag
// recomposing every layer. The reference is a memcpy of the surface's bytes in the
// same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "app/document/kelvora_doc.h"
#include "bench/ratio_reporter.h"
#include "platform/core/raster_dc.h"
#include "tests/imagelib/image_builders.h"

namespace {

const CSize kScreen(1920, 1080);

class CBenchHost : public CDocumentHost {
 public:
  CBenchHost() : surface(kScreen.cx, kScreen.cy) { background.Create(kScreen, 0x404850UL); }
  CSize GetClientSize() override { return kScreen; }
  CDib* GetBackgroundRaster() override { return &background; }
  CDC* GetComposedSurface() override { return &surface; }
  CDib background;
  CRasterDC surface;
};

std::unique_ptr<CDibAlpha> SoftDisc(int side, unsigned seed) {
  auto colour = testimg::RandomImage(side, side, seed);
  auto layer = std::make_unique<CDibAlpha>();
  layer->Create(colour.get(), 255);
  unsigned char* plane = layer->LockAlpha();
  const double middle = side / 2.0;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const double r = std::hypot(x - middle, y - middle) / middle;
      plane[y * side + x] = r < 0.8 ? 0 : r < 0.96 ? static_cast<unsigned char>((r - 0.8) * 1500) : 255;
    }
  layer->UnlockAlpha();
  return layer;
}

struct Scene {
  CBenchHost host;
  CKelvoraDoc document{nullptr, &host};
  CLayer* dragged = nullptr;  // the accessory: drawn under the glasses and the hairstyle
  CLayer* topmost = nullptr;  // the hairstyle: drawn over every other layer

  Scene() {
    auto photo = testimg::RandomImage(4000, 3000, 7);
    document.SetPhoto(std::unique_ptr<CDib>(photo.release()));
    CProjection& projection = *document.GetProjection(-1);
    projection.FaceFrame().SetRect(500, 200, 1300, 900);
    projection.FaceFrame().SetRotation(std::sin(0.2), std::cos(0.2));
    projection.EyesLine().SetPoints(600, 420, 1150, 470);
    projection.LipsLine().SetPoints(760, 700, 1000, 720);
    const int kinds[] = {kKindHairstyle, kKindGlasses, kKindMoustache, kKindEyebrow, kKindAccessories};
    unsigned seed = 11;
    for (int kind : kinds) {
      CLayer* layer = document.PutItem(SoftDisc(1000, seed++), 120, 150, 900, 150, kind);
      layer->SetBrightness(60);
      layer->SetContrast(40);
      layer->SetHue(30);
      layer->SetImageOpacity(85);
      dragged = layer;
      if (kind == kKindHairstyle) topmost = layer;
    }
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void ComposeWholeView(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) scene.document.ComposeToView(&scene.host.surface, CRect(0, 0, kScreen.cx, kScreen.cy), true);
}

void ComposeDirtyRectangle(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) scene.document.ComposeToView(&scene.host.surface, CRect(860, 440, 1060, 640), true);
}

// One iteration is the whole 100-move drag; the counter gives a move. The
// view keeps the layers under the dragged one composed for the drag
// (`keepUnder`); without that, every move recomposes all six layers.
void ReplayDrag(benchmark::State& state, CLayer& layer, bool keepUnder) {
  Scene& scene = TheScene();
  const CDoubleRect start = layer.GetBaseRect();
  for (auto _ : state) {
    layer.SetRect(start.left, start.top, start.right, start.bottom);
    layer.SetRotation(layer.GetSine(), layer.GetCosine());
    if (keepUnder) scene.document.BeginLayerDrag(layer);
    for (int move = 0; move < 100; ++move) {
      const CRect before = layer.GetBoundingRect();
      const CDoubleRect r = layer.GetBaseRect();
      layer.SetRect(r.left + 3, r.top + 2, r.right + 3, r.bottom + 2);
      layer.SetRotation(layer.GetSine(), layer.GetCosine());
      CRect changed;
      changed.UnionRect(before, layer.GetBoundingRect());
      scene.document.ComposeToView(&scene.host.surface, changed, true);
    }
    if (keepUnder) scene.document.EndLayerDrag();
  }
  // Put back where it started, so repeated runs drag over the same ground.
  layer.SetRect(start.left, start.top, start.right, start.bottom);
  layer.SetRotation(layer.GetSine(), layer.GetCosine());
  state.counters["ms/move"] = benchmark::Counter(
      100, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void DragMoveHundredMoves(benchmark::State& state) { ReplayDrag(state, *TheScene().dragged, true); }
void DragMoveRecomposingAll(benchmark::State& state) { ReplayDrag(state, *TheScene().dragged, false); }
void DragMoveTopmostLayer(benchmark::State& state) { ReplayDrag(state, *TheScene().topmost, true); }

void MemcpySurface(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(kScreen.cx) * kScreen.cy * 3;
  std::vector<unsigned char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(ComposeWholeView)->Unit(benchmark::kMillisecond);
BENCHMARK(ComposeDirtyRectangle)->Unit(benchmark::kMillisecond);
BENCHMARK(DragMoveHundredMoves)->Unit(benchmark::kMillisecond);
BENCHMARK(DragMoveRecomposingAll)->Unit(benchmark::kMillisecond);
BENCHMARK(DragMoveTopmostLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(MemcpySurface)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv,
                       {{"ComposeWholeView", "MemcpySurface"},
                        {"ComposeDirtyRectangle", "MemcpySurface"},
                        {"DragMoveHundredMoves", "MemcpySurface"},
                        {"DragMoveRecomposingAll", "DragMoveHundredMoves"}});
}
