// What a scanner or a TWAIN source hands over, taken apart with any numbers:
// a SANE frame's sizes and data, and memory strips claiming any rows,
// columns and offsets against a buffer of the given size.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/shell/camera/twain_camera.h"
#include "platform/twain/sane_devices.h"
#include "tests/camera/strip_camera.h"

namespace {

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  T value{};
  const std::size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SaneRaster raster;
  raster.width = Take<std::uint16_t>(data, size) % 512;
  raster.lines = Take<std::uint16_t>(data, size) % 512;
  raster.bytesPerLine = Take<std::uint16_t>(data, size);
  const std::uint8_t depth = Take<std::uint8_t>(data, size);
  raster.depth = depth % 3 == 0 ? 1 : depth % 3 == 1 ? 8 : 16;
  raster.colour = depth & 0x80;
  MemoryBlockFree(SaneRasterToDib(raster, data, size));

  CStripCamera camera;
  TW_IMAGEINFO info{};
  info.ImageWidth = Take<std::uint8_t>(data, size);
  info.ImageLength = Take<std::uint8_t>(data, size);
  info.BitsPerPixel = 24;
  info.PixelType = TWPT_RGB;
  if (!camera.OnImageInfo(info)) return 0;
  TW_IMAGEMEMXFER strip{};
  strip.BytesPerRow = Take<std::uint32_t>(data, size);
  strip.Columns = Take<std::uint32_t>(data, size);
  strip.Rows = Take<std::uint32_t>(data, size);
  strip.XOffset = Take<std::uint32_t>(data, size);
  strip.YOffset = Take<std::uint32_t>(data, size);
  strip.BytesWritten = Take<std::uint32_t>(data, size);
  std::vector<std::uint8_t> buffer(data, data + size);
  strip.Memory = TW_MEMORY{TWMF_APPOWNS | TWMF_POINTER, static_cast<TW_UINT32>(buffer.size()), buffer.data()};
  camera.OnMemoryStrip(strip);
  MemoryBlockFree(camera.TakeMemoryImage());
  return 0;
}
