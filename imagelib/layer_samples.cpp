// Laying kept samples under a raster: per pixel the blend
// d' = c - trunc(w x (c - d)), w = M x c255 with M the kept blend term and
// c255 the double nearest 1/255; M = 255 leaves the pixel. M = 0 needs no
// case of its own: w is 0 and the formula gives the colour.
//
// A drag lays the samples of several layers over a million pixels at every
// move, so rows take an AVX2 path where the processor has one: eight pixels
// at a time, each product the same double product as the plain loop's, so
// both give the same bytes.
#include <immintrin.h>

#include <algorithm>
#include <cstddef>
#include <system_error>
#include <thread>

#include "imagelib/dib.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"
#include "imagelib/layer_samples.h"

using pixkit::kOneOver255;
using pixkit::kPixelsForTwoThreads;
using pixkit::LockedPixels;

namespace {

void BlendRowPlain(const unsigned char* cell, unsigned char* out, int count) {
  for (int k = 0; k < count; ++k, cell += 4, out += 3) {
    const int m = cell[0];
    if (m == 255) continue;
    const double w = m * kOneOver255;
    for (int j = 0; j < 3; ++j)
      out[j] = static_cast<unsigned char>(cell[1 + j] - static_cast<int>(w * (cell[1 + j] - out[j])));
  }
}

#if defined(__x86_64__)
// One channel of eight pixels: c - trunc(w x (c - d)), in two halves of four doubles.
__attribute__((target("avx2"))) inline __m256i BlendChannel(__m256i c, __m256i d, __m256d wLow, __m256d wHigh) {
  const __m256i difference = _mm256_sub_epi32(c, d);
  const __m256d low = _mm256_mul_pd(wLow, _mm256_cvtepi32_pd(_mm256_castsi256_si128(difference)));
  const __m256d high = _mm256_mul_pd(wHigh, _mm256_cvtepi32_pd(_mm256_extracti128_si256(difference, 1)));
  const __m256i product = _mm256_set_m128i(_mm256_cvttpd_epi32(high), _mm256_cvttpd_epi32(low));
  return _mm256_sub_epi32(c, product);
}

// Reads 32 bytes from `out` for every eight pixels, so the last ten pixels
// of a row take the plain loop.
__attribute__((target("avx2"))) void BlendRowAvx2(const unsigned char* cell, unsigned char* out, int count) {
  const __m256i byte = _mm256_set1_epi32(0xFF);
  const __m256d oneOver255 = _mm256_set1_pd(kOneOver255);
  // Destination bytes 0..15 in the low lane and 12..27 in the high lane, then
  // each lane's four pixels spread to one per 32-bit lane, and back.
  const __m256i spreadLanes = _mm256_setr_epi32(0, 1, 2, 3, 3, 4, 5, 6);
  const __m256i spreadBytes = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, 0, 1, 2, -1, 3,
                                               4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  const __m256i packBytes = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1, 0, 1, 2, 4, 5,
                                             6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
  const __m256i packLanes = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7);
  int k = 0;
  for (; k + 11 <= count; k += 8, cell += 32, out += 24) {
    const __m256i cells = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cell));
    const __m256i m = _mm256_and_si256(cells, byte);
    const __m256i left = _mm256_cmpeq_epi32(m, byte);
    if (_mm256_movemask_epi8(left) == -1) continue;  // eight pixels the layer leaves as they are
    const __m256i raw = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(out));
    const __m256i pixels = _mm256_shuffle_epi8(_mm256_permutevar8x32_epi32(raw, spreadLanes), spreadBytes);
    const __m256d wLow = _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_castsi256_si128(m)), oneOver255);
    const __m256d wHigh = _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_extracti128_si256(m, 1)), oneOver255);
    const __m256i blue = BlendChannel(_mm256_and_si256(_mm256_srli_epi32(cells, 8), byte),
                                      _mm256_and_si256(pixels, byte), wLow, wHigh);
    const __m256i green = BlendChannel(_mm256_and_si256(_mm256_srli_epi32(cells, 16), byte),
                                       _mm256_and_si256(_mm256_srli_epi32(pixels, 8), byte), wLow, wHigh);
    const __m256i red = BlendChannel(_mm256_srli_epi32(cells, 24), _mm256_srli_epi32(pixels, 16), wLow, wHigh);
    // Each blend lies between c and d, so the channels pack without carries.
    const __m256i blended =
        _mm256_or_si256(blue, _mm256_or_si256(_mm256_slli_epi32(green, 8), _mm256_slli_epi32(red, 16)));
    const __m256i result = _mm256_blendv_epi8(blended, pixels, left);
    const __m256i packed = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(result, packBytes), packLanes);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(packed));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 16), _mm256_extracti128_si256(packed, 1));
  }
  BlendRowPlain(cell, out, count - k);
}

#endif

using BlendRow = void (*)(const unsigned char*, unsigned char*, int);

BlendRow ChooseBlendRow() {
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx2")) return BlendRowAvx2;
#endif
  return BlendRowPlain;
}

}  // namespace

void CLayerSamples::PutUnder(CDib& under, CPoint corner) const {
  CRect part;
  if (!part.IntersectRect(m_box, CRect(corner, under.GetSize()))) return;
  LockedPixels target(under);
  if (!target) return;
  static const BlendRow blendRow = ChooseBlendRow();
  const std::size_t boxWidth = m_box.Width();
  // Rows first..last - 1 of the part; each row is its own, so two threads
  // may share them.
  const auto rows = [&](int first, int last) {
    for (int y = first; y < last; ++y) {
      const unsigned char* cell =
          m_cells.data() + 4 * ((y - m_box.top) * boxWidth + static_cast<std::size_t>(part.left - m_box.left));
      blendRow(cell, target.Row(y - corner.y) + 3 * (part.left - corner.x), part.Width());
    }
  };
  const int middle = part.top + part.Height() / 2;
  if (static_cast<long long>(part.Width()) * part.Height() < kPixelsForTwoThreads) {
    rows(part.top, part.bottom);
    return;
  }
  std::thread helper;
  try {
    helper = std::thread(rows, middle, part.bottom);
  } catch (const std::system_error&) {
    rows(part.top, part.bottom);
    return;
  }
  rows(part.top, middle);
  helper.join();
}
