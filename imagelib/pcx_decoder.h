// Run-length decoding shared by the PCX readers: a byte below 0xC1 is one
// literal byte (so 0xC0 is a literal), a byte b >= 0xC1 repeats the next byte
// b - 0xC0 times. Decoding stops at whichever end comes first: the output is
// never overrun, the input never over-read.
#pragma once

#include <cstddef>
#include <span>

namespace pixkit {

struct RunLengthResult {
  std::size_t produced;  // bytes written to the output
  std::size_t consumed;  // input bytes used
};

RunLengthResult DecodePcxRuns(std::span<const unsigned char> input, std::span<unsigned char> output);

}  // namespace pixkit
