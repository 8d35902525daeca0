// Averages from which the program takes a layer's reference colour: the grey
// of one pixel, the mean of each channel, and the mean colour of a
// rectangle. Sums are kept in 64 bits so no image size can overflow them.
#include <cstdint>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

namespace {

struct ChannelSums {
  std::uint64_t blue = 0, green = 0, red = 0;
  std::uint64_t count = 0;
};

ChannelSums SumChannels(const pixkit::LockedPixels& pixels, const CRect& area) {
  ChannelSums sums;
  for (int y = area.top; y < area.bottom; ++y) {
    const unsigned char* pixel = pixels.Row(y) + 3 * area.left;
    for (int x = area.left; x < area.right; ++x, pixel += 3) {
      sums.blue += pixel[0];
      sums.green += pixel[1];
      sums.red += pixel[2];
    }
  }
  sums.count = static_cast<std::uint64_t>(area.Width()) * static_cast<std::uint64_t>(area.Height());
  return sums;
}

}  // namespace

unsigned char CDib::CalcMiddle(unsigned char* bits, int x, int y) {
  // Outside the image there is no pixel to read: grey 0.
  if (!bits || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return 0;
  const unsigned char* pixel = pixkit::RowPointer(bits, m_nRowLength, m_nHeight, y) + 3 * x;
  return static_cast<unsigned char>((pixel[0] + pixel[1] + pixel[2]) / 3);
}

bool CDib::CalcMiddleValues(double* red, double* green, double* blue) {
  pixkit::LockedPixels pixels(*this);
  // Without pixels there is no mean (it would be 0/0).
  if (!pixels || m_nWidth == 0 || m_nHeight == 0) return false;
  const ChannelSums sums = SumChannels(pixels, CRect(0, 0, m_nWidth, m_nHeight));
  const double count = static_cast<double>(sums.count);
  if (red) *red = sums.red / count;
  if (green) *green = sums.green / count;
  if (blue) *blue = sums.blue / count;
  return true;
}

bool CDib::CalcMiddleColor(CRect* rect, unsigned long* color) {
  CRect area(0, 0, m_nWidth, m_nHeight);
  if (rect && !area.IntersectRect(*rect, area)) return false;
  pixkit::LockedPixels pixels(*this);
  if (!pixels || area.IsRectEmpty()) return false;
  const ChannelSums sums = SumChannels(pixels, area);
  if (color)
    *color = static_cast<unsigned long>(sums.red / sums.count) | static_cast<unsigned long>(sums.green / sums.count) << 8 |
             static_cast<unsigned long>(sums.blue / sums.count) << 16;
  return true;
}
