// Automatic face fitting on a 12-megapixel portrait: the grey copy
// box-averaged to detection size, detection and the 68 landmarks, mapped
// back to the document. The model is read before timing starts, as the
// program reads it once. References in the same run: the same fitting on
// the photo already at the size detection runs at (what the 12 MP copy
// adds), and the grey copy alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/editing/auto_face_fit.h"
#include "bench/ratio_reporter.h"

namespace {

const std::string kPortrait = std::string(KELVORA_SOURCE_DIR) + "/styles/Style_1/photos/grace_hopper.jpg";

class CBenchHost : public CDocumentHost {
 public:
  CSize GetClientSize() override { return {1920, 1080}; }
};

struct Portrait {
  CBenchHost host;
  CKelvoraDoc document{nullptr, &host};
  explicit Portrait(CSize size) {
    CDib original;
    if (!original.LoadFromFile(kPortrait)) return;
    std::unique_ptr<CDib> photo(original.Zoom(size));
    if (photo) document.SetPhoto(std::move(photo), 0);
  }
  const CProjection& Projection() const { return *document.GetProjection(0); }
};

CDlibFaceFinder& Finder() {
  static CDlibFaceFinder finder;
  return finder;
}

Portrait& TwelveMegapixels() {
  static Portrait portrait({3200, 3750});
  return portrait;
}

Portrait& DetectionSize() {
  static Portrait portrait({640, 750});  // what 3200 x 3750 averages down to
  return portrait;
}

void FitFace12MP(benchmark::State& state) {
  for (auto _ : state) {
    FaceFitResult result = FindFaceFit(TwelveMegapixels().Projection(), Finder());
    if (result.status != FaceFitStatus::fitted) state.SkipWithError("no face fitted");
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(FitFace12MP)->Unit(benchmark::kMillisecond);

void FitFaceAtDetectionSize(benchmark::State& state) {
  for (auto _ : state) {
    FaceFitResult result = FindFaceFit(DetectionSize().Projection(), Finder());
    if (result.status != FaceFitStatus::fitted) state.SkipWithError("no face fitted");
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(FitFaceAtDetectionSize)->Unit(benchmark::kMillisecond);

void GreyCopy12MP(benchmark::State& state) {
  const CDib& photo = *TwelveMegapixels().Projection().GetPhoto()->GetImage();
  for (auto _ : state) {
    int factor = 0;
    CGreyPicture picture = MakeFitPicture(photo, &factor);
    benchmark::DoNotOptimize(picture.pixels.data());
  }
}
BENCHMARK(GreyCopy12MP)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!Finder().LoadModel()) {
    std::fprintf(stderr, "face_fit_bench: the landmark model %s cannot be read\n",
                 CDlibFaceFinder::DefaultModelPath().c_str());
    return 1;
  }
  TwelveMegapixels();
  DetectionSize();
  return RunWithRatios(argc, argv,
                       {{"FitFace12MP", "FitFaceAtDetectionSize"}, {"GreyCopy12MP", "FitFace12MP"}});
}
