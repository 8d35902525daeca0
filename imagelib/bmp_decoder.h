// Turning the bytes of a BMP (or of a packed DIB without its file header)
// into a packed DIB block of the one layout CDib works with: 40-byte header,
// 24 bits, bottom-up rows padded to four bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/core/memory_block.h"

namespace pixkit {

// Decodes `dib`: an info header, an optional colour table and the pixels.
// `pixelOffset`, when given, is where the pixels start within `dib` (a BMP
// file header's offset less its 14 bytes); otherwise they follow the colour
// table. A 24-bit, uncompressed, bottom-up DIB whose pixels directly follow
// a 40-byte header is taken byte for byte; 1-, 4- and 8-bit palette images,
// 32-bit images, top-down rows and a gap before the pixels are converted.
// Anything else, and any data that does not hold what its header claims,
// gives null.
HGLOBAL DecodePackedDib(std::span<const unsigned char> dib, std::optional<std::uint32_t> pixelOffset);

}  // namespace pixkit
