// Resampling, rotation, contrast and texture fill on photo-sized images:
// each library operation next to the direct per-pixel formula from the
// tests, reported in megapixels per second of output.
#include <benchmark/benchmark.h>

#include <memory>

#include "imagelib/dib.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_ops.h"

namespace {

CDib& Photo(int width, int height) {
  static std::unique_ptr<CDib> cached;
  if (!cached || cached->GetSize() != CSize(width, height)) cached = testimg::RandomImage(width, height, 7);
  return *cached;
}

void ReportMegapixels(benchmark::State& state, CSize output) {
  state.counters["MP/s"] = benchmark::Counter(static_cast<double>(output.cx) * output.cy / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}

void ZoomInFast(benchmark::State& state) {
  CDib& photo = Photo(4000, 3000);
  for (auto _ : state) std::unique_ptr<CDib>(photo.ZoomIn(CSize(800, 600)));
  ReportMegapixels(state, {4000, 3000});
}
void ZoomInDirect(benchmark::State& state) {
  CDib& photo = Photo(4000, 3000);
  for (auto _ : state) reference::ZoomIn(photo, CSize(800, 600));
  ReportMegapixels(state, {4000, 3000});
}

void ZoomXOutFast(benchmark::State& state) {
  CDib& photo = Photo(1500, 1000);
  for (auto _ : state) std::unique_ptr<CDib>(photo.ZoomX_Out(3000));
  ReportMegapixels(state, {3000, 1000});
}
void ZoomXOutDirect(benchmark::State& state) {
  CDib& photo = Photo(1500, 1000);
  for (auto _ : state) reference::ZoomX_Out(photo, 3000);
  ReportMegapixels(state, {3000, 1000});
}

void ZoomYOutFast(benchmark::State& state) {
  CDib& photo = Photo(1500, 1000);
  for (auto _ : state) std::unique_ptr<CDib>(photo.ZoomY_Out(2000));
  ReportMegapixels(state, {1500, 2000});
}
void ZoomYOutDirect(benchmark::State& state) {
  CDib& photo = Photo(1500, 1000);
  for (auto _ : state) reference::ZoomY_Out(photo, 2000);
  ReportMegapixels(state, {1500, 2000});
}

void RotateFast(benchmark::State& state) {
  CDib& photo = Photo(2000, 2000);
  for (auto _ : state) std::unique_ptr<CDib>(photo.Effect_Rotate(33, 0, false));
  ReportMegapixels(state, {2000, 2000});
}
void RotateDirect(benchmark::State& state) {
  CDib& photo = Photo(2000, 2000);
  for (auto _ : state) reference::Rotate(photo, 33, 0);
  ReportMegapixels(state, {2000, 2000});
}

void ContrastFast(benchmark::State& state) {
  CDib& photo = Photo(2000, 2000);
  for (auto _ : state) std::unique_ptr<CDib>(photo.Effect_ColorContrast(30, false));
  ReportMegapixels(state, {2000, 2000});
}
void ContrastDirect(benchmark::State& state) {
  CDib& photo = Photo(2000, 2000);
  for (auto _ : state) reference::Contrast(photo, 30);
  ReportMegapixels(state, {2000, 2000});
}

void TextureFast(benchmark::State& state) {
  auto tile = testimg::RandomImage(61, 47, 3);
  CDib target;
  target.Create(CSize(2000, 2000));
  for (auto _ : state) target.Fill_Texture(tile.get());
  ReportMegapixels(state, {2000, 2000});
}
void TextureDirect(benchmark::State& state) {
  auto tile = testimg::RandomImage(61, 47, 3);
  CDib target;
  target.Create(CSize(2000, 2000));
  for (auto _ : state) reference::FillTexture(target, *tile);
  ReportMegapixels(state, {2000, 2000});
}

}  // namespace

BENCHMARK(ZoomInFast)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomInDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomXOutFast)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomXOutDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomYOutFast)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomYOutDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(RotateFast)->Unit(benchmark::kMillisecond);
BENCHMARK(RotateDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(ContrastFast)->Unit(benchmark::kMillisecond);
BENCHMARK(ContrastDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(TextureFast)->Unit(benchmark::kMillisecond);
BENCHMARK(TextureDirect)->Unit(benchmark::kMillisecond);
