// The simulation's warp on a 3000 x 2000 photo with a 600 x 900 area and a
// 40-vertex contour: the fast warp against the formula written out, on the
// whole photo (the direct warp takes some 20 s) and on a band of 30 rows
// through the area for quick runs. The band results are compared byte for
// byte before timing, the whole photos after.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/editing/deform.h"
#include "bench/ratio_reporter.h"
#include "tests/editing/reference_warp.h"
#include "tests/imagelib/image_builders.h"

namespace {

constexpr int kWidth = 3000, kHeight = 2000;
constexpr int kBandTop = 1000, kBandRows = 30;

struct Scene {
  std::unique_ptr<CDib> photo = testimg::RandomImage(kWidth, kHeight, 3);
  std::vector<CPoint> area{{1200, 550}, {1800, 550}, {1800, 1450}, {1200, 1450}};
  CPolygonRegion region{area};
  std::vector<CLinePair> pairs;
  // The band of rows both warps are timed on.
  CPolygonRegion band{std::vector<CPoint>{{1200, kBandTop}, {1800, kBandTop}, {1800, kBandTop + kBandRows},
                                          {1200, kBandTop + kBandRows}}};
  Scene() {
    pairs = AnchorLines(region, kWidth, kHeight);
    std::vector<CDoublePoint> initial, final;
    for (int i = 0; i < 40; ++i) {
      const double y = 600 + i * 20.0;
      const double x = 1500 + 80 * std::sin(i / 6.0);
      initial.push_back({x, y});
      final.push_back({x - 25 * std::sin(i * 3.141592653589793 / 39), y});
    }
    const std::vector<CLinePair> contour = ContourLinePairs(initial, final);
    pairs.insert(pairs.end(), contour.begin(), contour.end());
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void WarpBandFast(benchmark::State& state) {
  Scene& s = TheScene();
  CDib out;
  out.Create(s.photo->GetSize());
  for (auto _ : state) FieldWarp(*s.photo, out, s.pairs, s.band);
  state.counters["pairs"] = static_cast<double>(s.pairs.size());
}

void WarpBandDirect(benchmark::State& state) {
  Scene& s = TheScene();
  CDib out;
  out.Create(s.photo->GetSize());
  for (auto _ : state) ReferenceFieldWarp(*s.photo, out, s.pairs, s.band, kBandTop, kBandTop + kBandRows);
}

CDib& WholeFast() {
  static CDib out;
  return out;
}

CDib& WholeDirect() {
  static CDib out;
  return out;
}

void WarpWholeFast(benchmark::State& state) {
  Scene& s = TheScene();
  WholeFast().Create(s.photo->GetSize());
  for (auto _ : state) FieldWarp(*s.photo, WholeFast(), s.pairs, s.region);
}

void WarpWholeDirect(benchmark::State& state) {
  Scene& s = TheScene();
  WholeDirect().Create(s.photo->GetSize());
  for (auto _ : state) ReferenceFieldWarp(*s.photo, WholeDirect(), s.pairs, s.region);
}

BENCHMARK(WarpBandFast)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WarpBandDirect)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(WarpWholeFast)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(WarpWholeDirect)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The two warps must agree on the band before their times mean anything.
bool BandsAgree() {
  Scene& s = TheScene();
  CDib fast, direct;
  fast.Create(s.photo->GetSize());
  direct.Create(s.photo->GetSize());
  FieldWarp(*s.photo, fast, s.pairs, s.band);
  ReferenceFieldWarp(*s.photo, direct, s.pairs, s.band, kBandTop, kBandTop + kBandRows);
  for (int y = kBandTop; y < kBandTop + kBandRows; ++y)
    for (int x = 1200; x < 1800; ++x)
      if (testimg::GetPixel(fast, x, y) != testimg::GetPixel(direct, x, y)) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!BandsAgree()) {
    std::fputs("deform_bench: the fast warp differs from the formula\n", stderr);
    return EXIT_FAILURE;
  }
  const int result = RunWithRatios(argc, argv, {{"WarpBandDirect", "WarpBandFast"}, {"WarpWholeDirect", "WarpWholeFast"}},
                                   RatioClock::wall);
  if (!WholeFast().IsEmpty() && !WholeDirect().IsEmpty() && !testimg::SamePixels(WholeFast(), WholeDirect())) {
    std::fputs("deform_bench: the fast warp of the whole photo differs from the formula\n", stderr);
    return EXIT_FAILURE;
  }
  return result;
}
