// The blur brush: a Gaussian blur of the brush's bounding box, blended back
// by the mask. Region pixels outside the layer count as black; the kernel is
// truncated at half-width trunc(7 sigma) / 2 and renormalised by the weights
// of the offsets that fall inside the region, never padded.
//
// The kernel exp(-(dx^2 + dy^2) / 2 sigma^2) is the product of a row and a
// column kernel, and the offsets inside the region form a rectangle, so the
// 2-D sums are computed as a row pass followed by a column pass. The sums are
// the same up to floating-point rounding (the product of two exponentials
// against the exponential of a sum), which can move a result across a
// truncation boundary by one, rarely.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

namespace {

// Weights of offsets -halfWidth..halfWidth along one axis.
std::vector<double> AxisKernel(int halfWidth, int sigma) {
  std::vector<double> kernel(static_cast<std::size_t>(2 * halfWidth + 1));
  const double twoSigmaSquared = 2.0 * sigma * sigma;
  for (int d = -halfWidth; d <= halfWidth; ++d)
    kernel[static_cast<std::size_t>(d + halfWidth)] = std::exp(-static_cast<double>(d * d) / twoSigmaSquared);
  return kernel;
}

// For each index 0..size-1 the sum of the kernel over the offsets that stay
// inside 0..size-1.
std::vector<double> AxisWeightSums(const std::vector<double>& kernel, int halfWidth, int size) {
  std::vector<double> sums(static_cast<std::size_t>(size));
  for (int i = 0; i < size; ++i) {
    double sum = 0;
    for (int d = std::max(-halfWidth, -i); d <= std::min(halfWidth, size - 1 - i); ++d)
      sum += kernel[static_cast<std::size_t>(d + halfWidth)];
    sums[static_cast<std::size_t>(i)] = sum;
  }
  return sums;
}

// Blurs one w x h channel in place (unnormalised sums) through `scratch`.
void BlurChannel(std::vector<double>& channel, std::vector<double>& scratch, const std::vector<double>& kernel,
                 int halfWidth, int width, int height) {
  const double* k = kernel.data() + halfWidth;  // k[d] for d in -halfWidth..halfWidth
  for (int y = 0; y < height; ++y) {
    const double* in = channel.data() + static_cast<std::size_t>(y) * width;
    double* out = scratch.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      const int first = std::max(-halfWidth, -x);
      const int last = std::min(halfWidth, width - 1 - x);
      double sum = 0;
      for (int d = first; d <= last; ++d) sum += k[d] * in[x + d];
      out[x] = sum;
    }
  }
  std::fill(channel.begin(), channel.end(), 0.0);
  for (int y = 0; y < height; ++y) {
    const int first = std::max(-halfWidth, -y);
    const int last = std::min(halfWidth, height - 1 - y);
    double* out = channel.data() + static_cast<std::size_t>(y) * width;
    for (int d = first; d <= last; ++d) {
      const double weight = k[d];
      const double* in = scratch.data() + static_cast<std::size_t>(y + d) * width;
      for (int x = 0; x < width; ++x) out[x] += weight * in[x];
    }
  }
}

}  // namespace

bool CDibAlpha::Region_Blur(unsigned char* mask, int width, int height, CPoint at, int sigma) {
  // Below 1 the kernel degenerates (sigma 0 divides by zero and paints black).
  if (sigma < 1 || !mask) return false;
  pixkit::LockedPixels pixels(*this);
  if (!pixels || !m_hAlpha) return false;
  if (width <= 0 || height <= 0) return true;
  CRect inside;
  if (!inside.IntersectRect(CRect(at, CSize(width, height)), CRect(0, 0, m_nWidth, m_nHeight))) return true;
  // A brush box is a small part of a layer; one beyond any image is refused
  // rather than allocated.
  const std::uint64_t regionPixels = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  if (regionPixels > kMaxMemoryBlockBytes / sizeof(double)) return false;

  const int halfWidth = static_cast<int>(std::min<std::int64_t>(std::int64_t{7} * sigma / 2, std::max(width, height)));
  const std::vector<double> kernel = AxisKernel(halfWidth, sigma);
  const std::vector<double> columnWeights = AxisWeightSums(kernel, halfWidth, width);
  const std::vector<double> rowWeights = AxisWeightSums(kernel, halfWidth, height);

  std::vector<double> channels[3];
  std::vector<double> scratch;
  try {
    for (auto& channel : channels) channel.assign(regionPixels, 0.0);
    scratch.assign(regionPixels, 0.0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (int y = inside.top; y < inside.bottom; ++y) {
    const unsigned char* pixel = pixels.Row(y);
    const std::size_t regionRow = static_cast<std::size_t>(y - at.y) * width;
    for (int x = inside.left; x < inside.right; ++x)
      for (int k = 0; k < 3; ++k) channels[k][regionRow + (x - at.x)] = pixel[3 * x + k];
  }
  for (auto& channel : channels) BlurChannel(channel, scratch, kernel, halfWidth, width, height);

  for (int y = inside.top; y < inside.bottom; ++y) {
    unsigned char* pixel = pixels.Row(y);
    const int ry = y - at.y;
    const std::size_t regionRow = static_cast<std::size_t>(ry) * width;
    for (int x = inside.left; x < inside.right; ++x) {
      const int rx = x - at.x;
      const double q = mask[regionRow + rx] * pixkit::kOneOver255;
      const double weightSum = columnWeights[static_cast<std::size_t>(rx)] * rowWeights[static_cast<std::size_t>(ry)];
      for (int k = 0; k < 3; ++k) {
        const double blurred = channels[k][regionRow + rx] / weightSum;
        const double value = (1 - q) * blurred + q * pixel[3 * x + k];
        pixel[3 * x + k] = static_cast<unsigned char>(std::clamp(value, 0.0, 255.0));
      }
    }
  }
  return true;
}
