// Decoding a 12-megapixel JPEG with CDib::LoadFromFile against plain
// libjpeg calls decoding the same file to RGB rows in freshly allocated
// memory (as any decoder producing a new picture must): the ratio is what the
// raster's layout (byte order, bottom-up rows, padding) costs on top of the
// decode itself.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "bench/ratio_reporter.h"
#include "imagelib/dib.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

const std::string& TestJpegPath() {
  static const std::string path = [] {
    std::string file = (std::filesystem::temp_directory_path() / "kelvora-bench-12mp.jpg").string();
    CDib image;
    image.Create(CSize(kWidth, kHeight));
    unsigned char* bits = image.LockBits();
    for (int row = 0; row < kHeight; ++row)
      for (int x = 0; x < kWidth; ++x) {
        unsigned char* p = bits + static_cast<std::size_t>(row) * image.RowLength() + 3 * x;
        p[0] = static_cast<unsigned char>(x / 16 + row / 7);
        p[1] = static_cast<unsigned char>((x * row) >> 9);
        p[2] = static_cast<unsigned char>(row / 12 + (x % 13) * 3);
      }
    image.UnlockBits();
    image.SaveToJPGFile(file, false, true, 90, true);
    return file;
  }();
  return path;
}

void LoadFromFile(benchmark::State& state) {
  const std::string& path = TestJpegPath();
  for (auto _ : state) {
    CDib image;
    benchmark::DoNotOptimize(image.LoadFromFile(path));
  }
  state.counters["megapixels/s"] =
      benchmark::Counter(static_cast<double>(kWidth) * kHeight / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void PlainLibjpeg(benchmark::State& state) {
  const std::string& path = TestJpegPath();
  for (auto _ : state) {
    std::unique_ptr<unsigned char[]> rows(new unsigned char[static_cast<std::size_t>(kWidth) * kHeight * 3]);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    jpeg_decompress_struct decoder;
    jpeg_error_mgr errors;
    decoder.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decoder);
    jpeg_stdio_src(&decoder, file);
    jpeg_read_header(&decoder, TRUE);
    jpeg_start_decompress(&decoder);
    while (decoder.output_scanline < decoder.output_height) {
      JSAMPROW row = rows.get() + static_cast<std::size_t>(decoder.output_scanline) * kWidth * 3;
      jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    std::fclose(file);
    benchmark::DoNotOptimize(rows.get());
  }
  state.counters["megapixels/s"] =
      benchmark::Counter(static_cast<double>(kWidth) * kHeight / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(PlainLibjpeg)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LoadFromFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return RunWithRatios(argc, argv, {{"LoadFromFile", "PlainLibjpeg"}}); }
