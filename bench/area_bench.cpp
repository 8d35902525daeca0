// The selection mask of a large lasso (1500 x 1500, 3000 vertices) built by
// scanline spans against the per-pixel region test it replaces, and the
// magic wand's fill and trace on a 12-megapixel photo.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "app/tools/magic_wand.h"
#include "app/tools/selection_mask.h"
#include "bench/ratio_reporter.h"
#include "tests/imagelib/image_builders.h"

namespace {

// A wobbly closed lasso around (900, 900), radius about 700, with small
// self-intersecting loops as a hand drawing makes them.
const std::vector<CPoint>& Lasso() {
  static const std::vector<CPoint> points = [] {
    std::vector<CPoint> lasso;
    std::mt19937 random(4);
    std::uniform_real_distribution<double> jitter(-6, 6);
    for (int i = 0; i < 3000; ++i) {
      const double angle = 2 * 3.141592653589793 * i / 3000;
      const double radius = 700 + 40 * std::sin(9 * angle) + jitter(random);
      lasso.push_back({900 + static_cast<int>(radius * std::cos(angle)), 900 + static_cast<int>(radius * std::sin(angle))});
    }
    return lasso;
  }();
  return points;
}

void MaskScanline(benchmark::State& state) {
  const CPolygonRegion region(Lasso());
  for (auto _ : state) {
    CSelectionMask mask;
    BuildRegionMask(region, &mask);
    benchmark::DoNotOptimize(mask.cells.data());
  }
}

// The mask as first written: every pixel of the box asks the region.
void MaskPerPixel(benchmark::State& state) {
  const CPolygonRegion region(Lasso());
  for (auto _ : state) {
    const CRect box = region.GetRgnBox();
    CSelectionMask mask;
    mask.width = box.Width() + 40;
    mask.height = box.Height() + 40;
    mask.cells.assign(static_cast<std::size_t>(mask.width) * mask.height, 255);
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x)
        mask.cells[static_cast<std::size_t>(y - box.top + 20) * mask.width + (x - box.left + 20)] =
            region.PtInRegion(x, y) ? 0 : 255;
    benchmark::DoNotOptimize(mask.cells.data());
  }
}

// A 4000 x 3000 photo: a soft gradient with a large, irregular patch of one
// colour that the wand fills (about a third of the picture).
CDibAlpha& Photo() {
  static CDibAlpha photo = [] {
    CDibAlpha image;
    image.Create(CSize(4000, 3000));
    unsigned char* bits = image.LockBits();
    for (int y = 0; y < 3000; ++y) {
      unsigned char* row = bits + static_cast<std::size_t>(2999 - y) * image.RowLength();
      for (int x = 0; x < 4000; ++x) {
        const double dx = (x - 2000) / 1300.0, dy = (y - 1500) / 1000.0;
        const bool patch = dx * dx + dy * dy < 1 + 0.2 * std::sin(x / 37.0) * std::cos(y / 23.0);
        row[3 * x] = patch ? 200 : static_cast<unsigned char>(x / 16);
        row[3 * x + 1] = patch ? 180 : static_cast<unsigned char>(y / 12);
        row[3 * x + 2] = patch ? 160 : 40;
      }
    }
    image.UnlockBits();
    std::fill_n(image.LockAlpha(), 4000 * 3000, 0);
    image.UnlockAlpha();
    return image;
  }();
  return photo;
}

void WandOn12Megapixels(benchmark::State& state) {
  CDibAlpha& photo = Photo();
  for (auto _ : state) {
    std::optional<CWandSelection> selection = WandSelect(photo, {2000, 1500}, 10);
    benchmark::DoNotOptimize(selection->outline.data());
  }
}

BENCHMARK(MaskScanline)->Unit(benchmark::kMillisecond);
BENCHMARK(MaskPerPixel)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WandOn12Megapixels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWithRatios(argc, argv, {{"MaskPerPixel", "MaskScanline"}}); }
