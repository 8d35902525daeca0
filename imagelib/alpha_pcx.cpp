// The alpha PCX run-length rules differ from the 24-bit PCX reader's: here a
// byte of 192 (0xC0) or above is a run of (byte & 0x3F) copies, so 0xC0 is
// an empty run, and every line is encoded on its own. The writer never lets
// a run cross a line and escapes single bytes of 192 and above as runs of
// one, so any value survives a round trip.
//
// The decoder stops at both ends: it never reads past the data (which ends
// before the 769-byte palette trailer when one is present) and never writes
// past a line, whatever the runs claim.
#include "imagelib/alpha_pcx.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pixkit {
namespace {

constexpr std::size_t kPaletteTrailerSize = 769;  // marker 12 and 256 grey entries
constexpr int kLongestRun = 63;

std::uint16_t ReadWord(const unsigned char* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }

void WriteWord(unsigned char* at, int value) {
  at[0] = static_cast<unsigned char>(value);
  at[1] = static_cast<unsigned char>(value >> 8);
}

void EncodeLine(const unsigned char* line, int width, std::vector<unsigned char>& out) {
  for (int x = 0; x < width;) {
    const unsigned char value = line[x];
    int count = 1;
    while (x + count < width && count < kLongestRun && line[x + count] == value) ++count;
    if (count > 1 || value >= 0xC0) out.push_back(static_cast<unsigned char>(0xC0 | count));
    out.push_back(value);
    x += count;
  }
}

}  // namespace

std::optional<CSize> ReadAlphaPcxSize(std::span<const unsigned char> file) {
  if (file.size() < kAlphaPcxHeaderSize) return std::nullopt;
  const unsigned char* header = file.data();
  if (header[0] != 10 || header[1] != 5 || header[2] != 1 || header[3] != 8 || header[65] != 1) return std::nullopt;
  const int width = ReadWord(header + 8) - ReadWord(header + 4) + 1;
  const int height = ReadWord(header + 10) - ReadWord(header + 6) + 1;
  if (width <= 0 || height <= 0) return std::nullopt;
  return CSize(width, height);
}

AlphaPcxStatus DecodeAlphaPcx(std::span<const unsigned char> file, unsigned char* plane, CSize planeSize) {
  const std::optional<CSize> fileSize = ReadAlphaPcxSize(file);
  if (!fileSize) return AlphaPcxStatus::badHeader;

  std::span<const unsigned char> data = file.subspan(kAlphaPcxHeaderSize);
  if (data.size() >= kPaletteTrailerSize && data[data.size() - kPaletteTrailerSize] == 12)
    data = data.first(data.size() - kPaletteTrailerSize);

  const int lineWidth = fileSize->cx;
  const int copyWidth = std::clamp(planeSize.cx, 0, lineWidth);
  const int copyLines = std::clamp(planeSize.cy, 0, fileSize->cy);
  // Lines below the plane are never needed, so they are not decoded; the
  // buffers are bounded by the plane the caller already holds.
  std::vector<unsigned char> line(static_cast<std::size_t>(lineWidth));
  std::vector<unsigned char> decoded(static_cast<std::size_t>(copyWidth) * static_cast<std::size_t>(copyLines));
  std::size_t in = 0;
  for (int y = 0; y < copyLines; ++y) {
    int produced = 0;
    while (produced < lineWidth) {
      if (in >= data.size()) return AlphaPcxStatus::shortData;
      const unsigned char code = data[in++];
      if (code < 0xC0) {
        line[static_cast<std::size_t>(produced++)] = code;
        continue;
      }
      if (in >= data.size()) return AlphaPcxStatus::shortData;
      const int count = std::min(code & 0x3F, lineWidth - produced);
      std::memset(line.data() + produced, data[in++], static_cast<std::size_t>(count));
      produced += count;
    }
    std::memcpy(decoded.data() + static_cast<std::size_t>(y) * copyWidth, line.data(), static_cast<std::size_t>(copyWidth));
  }
  for (int y = 0; y < copyLines; ++y)
    std::memcpy(plane + static_cast<std::size_t>(y) * planeSize.cx, decoded.data() + static_cast<std::size_t>(y) * copyWidth,
                static_cast<std::size_t>(copyWidth));
  return AlphaPcxStatus::decoded;
}

std::vector<unsigned char> EncodeAlphaPcx(const unsigned char* plane, CSize size) {
  if (!plane || size.cx <= 0 || size.cy <= 0 || size.cx > 0xFFFF || size.cy > 0xFFFF) return {};
  std::vector<unsigned char> file(kAlphaPcxHeaderSize, 0);
  file[0] = 10;
  file[1] = 5;
  file[2] = 1;
  file[3] = 8;
  WriteWord(&file[8], size.cx - 1);
  WriteWord(&file[10], size.cy - 1);
  WriteWord(&file[12], size.cx);
  WriteWord(&file[14], size.cy);
  file[65] = 1;
  WriteWord(&file[66], size.cx);
  WriteWord(&file[68], 1);
  for (int y = 0; y < size.cy; ++y) EncodeLine(plane + static_cast<std::size_t>(y) * size.cx, size.cx, file);
  file.push_back(12);
  for (int i = 0; i < 256; ++i) file.insert(file.end(), 3, static_cast<unsigned char>(i));
  return file;
}

}  // namespace pixkit
