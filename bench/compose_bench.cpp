// Layer compositing and the blur brush at the sizes the program meets: a
// 1000 x 1000 layer scaled by 1.3 and turned by 17 degrees into a full-HD
// background, an untransformed draw, a 200 x 200 blur with sigma 3 and a
// layer merge. Each reports megapixels per second of destination; the
// compositing runs also report a plain memcpy of the same bytes in the same
// run, the ceiling to aim at, and the direct formula the tests use. The
// transformed composite draws large areas on two threads, so all times and
// ratios here are wall-clock.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/ratio_reporter.h"
#include "imagelib/dib_alpha.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_alpha.h"

namespace {

constexpr double kDegrees = 17.0;
constexpr double kScale = 1.3;
const CSize kScreen(1920, 1080);

CDib& Background() {
  static std::unique_ptr<CDib> image = testimg::RandomImage(kScreen.cx, kScreen.cy, 1);
  return *image;
}

// A layer with a realistic plane: opaque inside a disc, soft at its rim,
// transparent outside.
CDibAlpha& Layer() {
  static std::unique_ptr<CDibAlpha> layer = [] {
    auto colour = testimg::RandomImage(1000, 1000, 2);
    auto result = std::make_unique<CDibAlpha>();
    result->Create(colour.get(), 255);
    unsigned char* plane = result->LockAlpha();
    for (int y = 0; y < 1000; ++y)
      for (int x = 0; x < 1000; ++x) {
        const double r = std::hypot(x - 500.0, y - 500.0);
        plane[y * 1000 + x] = r < 400 ? 0 : r < 480 ? static_cast<unsigned char>((r - 400) * 3) : 255;
      }
    result->UnlockAlpha();
    return result;
  }();
  return *layer;
}

struct Placement {
  double sine, cosine;
  CSize scaled, box;
  CPoint at;
};

Placement Transform() {
  const double radians = kDegrees * 3.141592653589793 / 180;
  Placement p;
  p.sine = std::sin(radians);
  p.cosine = std::cos(radians);
  p.scaled = CSize(static_cast<int>(1000 * kScale), static_cast<int>(1000 * kScale));
  p.box = CSize(static_cast<int>(std::ceil(p.scaled.cx * (p.cosine + p.sine))),
                static_cast<int>(std::ceil(p.scaled.cy * (p.cosine + p.sine))));
  p.at = CPoint((kScreen.cx - p.box.cx) / 2, (kScreen.cy - p.box.cy) / 2);
  return p;
}

void ReportMegapixels(benchmark::State& state, double pixels) {
  state.counters["MP/s"] = benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

constexpr double kScreenPixels = 1920.0 * 1080.0;

void PutUnderRectTransformFast(benchmark::State& state) {
  const Placement p = Transform();
  for (auto _ : state)
    std::unique_ptr<CDib>(Layer().PutUnderRectTransform(&Background(), p.at, CRect(0, 0, kScreen.cx, kScreen.cy),
                                                        p.sine, p.cosine, p.scaled, p.box));
  ReportMegapixels(state, kScreenPixels);
}

void PutUnderRectTransformDirect(benchmark::State& state) {
  const Placement p = Transform();
  for (auto _ : state)
    reference::PutUnderRectTransform(Layer(), Background(), p.at, CRect(0, 0, kScreen.cx, kScreen.cy), p.sine,
                                     p.cosine, p.scaled, p.box);
  ReportMegapixels(state, kScreenPixels);
}

// The ceiling: copying the background's bytes, as much as any composite
// into a new image of that size must move.
void MemcpyScreen(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(Background().Length());
  std::vector<unsigned char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  ReportMegapixels(state, kScreenPixels);
}

void DrawToDibFast(benchmark::State& state) {
  for (auto _ : state) std::unique_ptr<CDib>(Layer().DrawToDib(&Background(), CPoint(400, 40), nullptr));
  ReportMegapixels(state, kScreenPixels);
}

void RegionBlurFast(benchmark::State& state) {
  CDibAlpha layer(Layer());
  std::vector<unsigned char> mask(200 * 200, 0);
  for (auto _ : state) layer.Region_Blur(mask.data(), 200, 200, CPoint(300, 300), 3);
  ReportMegapixels(state, 200.0 * 200.0);
}

void RegionBlurDirect(benchmark::State& state) {
  CDibAlpha layer(Layer());
  std::vector<unsigned char> mask(200 * 200, 0);
  for (auto _ : state) reference::RegionBlur(layer, mask.data(), 200, 200, CPoint(300, 300), 3);
  ReportMegapixels(state, 200.0 * 200.0);
}

void MergeTransformedFast(benchmark::State& state) {
  CDibAlpha target(Layer());
  CDibAlpha source(Layer());
  for (auto _ : state) target.MergeTransformed(&source, CPoint(500, 500), 0.3, 1.0 / kScale, 1.0 / kScale, CPoint(500, 500));
  ReportMegapixels(state, 1000.0 * 1000.0);
}

BENCHMARK(PutUnderRectTransformFast)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PutUnderRectTransformDirect)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MemcpyScreen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DrawToDibFast)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RegionBlurFast)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RegionBlurDirect)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MergeTransformedFast)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv,
                       {{"PutUnderRectTransformFast", "MemcpyScreen"},
                        {"PutUnderRectTransformDirect", "PutUnderRectTransformFast"},
                        {"DrawToDibFast", "MemcpyScreen"},
                        {"RegionBlurDirect", "RegionBlurFast"}},
                       RatioClock::wall);
}
