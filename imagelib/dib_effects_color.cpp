// The per-pixel colour effects: brightness, contrast, colour filter,
// greyscale, invert, posterize and cross-dissolve.
//
// Where a channel's result depends only on that channel's value, the rule is
// evaluated once per possible value into a 256-entry table and pixels are
// mapped by indexing, which gives the same bytes as evaluating it per pixel.
// The contrast effect walks the image twice: once for the mean, once to map.
#include <cmath>
#include <cstdint>
#include <memory>

#include "imagelib/dib.h"
#include "imagelib/dib_effect_target.h"
#include "imagelib/dib_pixels.h"
#include "imagelib/pixel_math.h"

using pixkit::ApplyEffect;
using pixkit::ClampToByte;

namespace {

int ChannelOf(unsigned long color, int channel) {
  // COLORREF keeps red in the low byte; channel 0 is blue.
  return static_cast<int>((color >> (8 * (2 - channel))) & 0xFF);
}

CDib* ApplyTables(CDib& image, bool inPlace, const unsigned char (&tables)[3][256]) {
  return ApplyEffect(image, inPlace, [&](const unsigned char* in, unsigned char* out) {
    pixkit::MapThroughTables(in, out, image.Width(), image.Height(), image.RowLength(), tables);
  });
}

void FillFilterTables(unsigned long color, int level, unsigned char (&tables)[3][256]) {
  for (int channel = 0; channel < 3; ++channel) {
    const int target = ChannelOf(color, channel);
    for (int v = 0; v < 256; ++v) {
      // The product in doubles is exact and cannot overflow for any level.
      const double pull = static_cast<double>(level) * (target - v) * 0.01;
      tables[channel][v] = pixkit::TruncateToByte(v + std::trunc(pull));
    }
  }
}

}  // namespace

CDib* CDib::Effect_ColorBrightness(int amount, bool inPlace) {
  unsigned char tables[3][256];
  for (int v = 0; v < 256; ++v)
    tables[0][v] = tables[1][v] = tables[2][v] = ClampToByte(static_cast<long long>(v) + amount);
  return ApplyTables(*this, inPlace, tables);
}

CDib* CDib::Effect_ColorContrast(int amount, bool inPlace) {
  if (IsEmpty()) return nullptr;
  std::uint64_t sums[3] = {0, 0, 0};
  {
    pixkit::LockedPixels pixels(*this);
    for (int row = 0; row < m_nHeight; ++row) {
      const unsigned char* pixel = pixels.bits() + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
      for (int x = 0; x < m_nWidth; ++x, pixel += 3) {
        sums[0] += pixel[0];
        sums[1] += pixel[1];
        sums[2] += pixel[2];
      }
    }
  }
  // An image without pixels has nothing to map; its mean is taken as 0.
  const double count = static_cast<double>(m_nWidth) * m_nHeight;
  double mean = 0.0;
  if (count > 0)
    mean = (sums[0] / count + sums[1] / count + sums[2] / count) * 0.3333333333333333;
  unsigned char tables[3][256];
  for (int v = 0; v < 256; ++v)
    tables[0][v] = tables[1][v] = tables[2][v] = pixkit::ContrastValue(v, mean, amount);
  return ApplyTables(*this, inPlace, tables);
}

CDib* CDib::Effect_ColorFilter(unsigned long color, int level, bool inPlace) {
  unsigned char tables[3][256];
  FillFilterTables(color, level, tables);
  return ApplyTables(*this, inPlace, tables);
}

CDib* CDib::Effect_ColorFilter(unsigned long color, int level, unsigned long key, bool inPlace) {
  unsigned char tables[3][256];
  FillFilterTables(color, level, tables);
  const int keyBlue = ChannelOf(key, 0), keyGreen = ChannelOf(key, 1), keyRed = ChannelOf(key, 2);
  return ApplyEffect(*this, inPlace, [&](const unsigned char* in, unsigned char* out) {
    for (int row = 0; row < m_nHeight; ++row) {
      const unsigned char* from = in + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
      unsigned char* to = out + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
      for (int x = 0; x < m_nWidth; ++x, from += 3, to += 3) {
        // A pixel sharing any channel with the key is skipped: left as it is
        // in place, black in a new image.
        if (from[0] == keyBlue || from[1] == keyGreen || from[2] == keyRed) continue;
        to[0] = tables[0][from[0]];
        to[1] = tables[1][from[1]];
        to[2] = tables[2][from[2]];
      }
    }
  });
}

CDib* CDib::Effect_ColorGrayscale(TypeStGray type, bool inPlace) {
  int weights[3];  // blue, green, red in thousandths
  switch (type) {
    case grayRec601: weights[0] = 114, weights[1] = 587, weights[2] = 299; break;
    case grayRec709: weights[0] = 72, weights[1] = 715, weights[2] = 213; break;
    case graySmpte240: weights[0] = 71, weights[1] = 707, weights[2] = 222; break;
    default: weights[0] = 110, weights[1] = 530, weights[2] = 360; break;
  }
  int weighted[3][256];
  for (int v = 0; v < 256; ++v)
    for (int channel = 0; channel < 3; ++channel) weighted[channel][v] = weights[channel] * v;
  return ApplyEffect(*this, inPlace, [&](const unsigned char* in, unsigned char* out) {
    for (int row = 0; row < m_nHeight; ++row) {
      const unsigned char* from = in + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
      unsigned char* to = out + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
      for (int x = 0; x < m_nWidth; ++x, from += 3, to += 3) {
        const int sum = weighted[0][from[0]] + weighted[1][from[1]] + weighted[2][from[2]];
        to[0] = to[1] = to[2] = pixkit::TruncateToByte(sum * 0.001);
      }
    }
  });
}

CDib* CDib::Effect_ColorInvert(bool inPlace) {
  unsigned char tables[3][256];
  for (int v = 0; v < 256; ++v) tables[0][v] = tables[1][v] = tables[2][v] = static_cast<unsigned char>(255 - v);
  return ApplyTables(*this, inPlace, tables);
}

CDib* CDib::Effect_Posterize(int levelStep, bool inPlace) {
  // A step below 1 has no levels to round to; it is refused, image untouched.
  if (levelStep < 1) return nullptr;
  unsigned char tables[3][256];
  for (int v = 0; v < 256; ++v)
    tables[0][v] = tables[1][v] = tables[2][v] = static_cast<unsigned char>(levelStep * (v / levelStep));
  return ApplyTables(*this, inPlace, tables);
}

CDib* CDib::Effect_CrossDissolve(CDib* other, double amount, bool /*inPlace: always a new image*/) {
  // Images of different sizes have no pixel-for-pixel partner: refused.
  if (IsEmpty() || !other || other->IsEmpty() || other->GetSize() != GetSize()) return nullptr;
  // (1 - x) * v and x * w each take 256 values; one addition per channel
  // then gives exactly the per-pixel sum.
  double ownShare[256], otherShare[256];
  for (int v = 0; v < 256; ++v) {
    ownShare[v] = (1 - amount) * v;
    otherShare[v] = amount * v;
  }
  auto result = std::make_unique<CDib>();
  if (!result->Create(GetSize())) return nullptr;
  pixkit::LockedPixels own(*this);
  pixkit::LockedPixels others(*other);
  pixkit::LockedPixels out(*result);
  const int rowBytes = m_nWidth * 3;
  for (int row = 0; row < m_nHeight; ++row) {
    const std::ptrdiff_t offset = static_cast<std::ptrdiff_t>(row) * m_nRowLength;
    const unsigned char* v = own.bits() + offset;
    const unsigned char* w = others.bits() + offset;
    unsigned char* to = out.bits() + offset;
    for (int k = 0; k < rowBytes; ++k) to[k] = pixkit::TruncateToByte(ownShare[v[k]] + otherShare[w[k]]);
  }
  return result.release();
}
