// Alpha PCX files: a layer's transparency plane as an 8-bit, one-plane PCX
// with a grey-ramp palette. The encoder and decoder work on byte buffers so
// the layer's file, memory and resource loaders and the fuzzer share them.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "platform/core/geometry.h"

namespace pixkit {

inline constexpr std::size_t kAlphaPcxHeaderSize = 128;

// Width and height from a header that passes the checks (manufacturer 10,
// version 5, run-length encoding, 8 bits, one plane, Xmax >= Xmin,
// Ymax >= Ymin); nothing otherwise.
std::optional<CSize> ReadAlphaPcxSize(std::span<const unsigned char> file);

enum class AlphaPcxStatus { decoded, badHeader, shortData };

// Decodes the file's lines into the top-left of a plane of planeSize
// (top-down rows of planeSize.cx bytes): min(file, plane) lines of
// min(file, plane) bytes; the rest of the plane is untouched. Each line is
// decoded on its own and bytes a run produces past the line's end are
// dropped. Data that ends before the lines needed are complete gives
// shortData and leaves the plane untouched.
AlphaPcxStatus DecodeAlphaPcx(std::span<const unsigned char> file, unsigned char* plane, CSize planeSize);

// The whole file for a plane of `size`; empty when the size cannot be
// written (zero, or wider or taller than the 16-bit header allows).
std::vector<unsigned char> EncodeAlphaPcx(const unsigned char* plane, CSize size);

}  // namespace pixkit
