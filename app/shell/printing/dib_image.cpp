#include "app/shell/printing/dib_image.h"

#include <cstring>

QImage DibToImage(CDib& picture) {
  const int width = picture.Width();
  const int height = picture.Height();
  unsigned char* bits = picture.LockBits();
  if (!bits || width <= 0 || height <= 0) {
    if (bits) picture.UnlockBits();
    return {};
  }
  QImage image(width, height, QImage::Format_RGB888);
  // The raster's rows run bottom-up in blue, green, red.
  for (int y = 0; y < height; ++y) {
    const unsigned char* source = bits + static_cast<std::size_t>(height - 1 - y) * picture.RowLength();
    unsigned char* target = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      target[3 * x] = source[3 * x + 2];
      target[3 * x + 1] = source[3 * x + 1];
      target[3 * x + 2] = source[3 * x];
    }
  }
  picture.UnlockBits();
  return image;
}
