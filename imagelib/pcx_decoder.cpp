#include "imagelib/pcx_decoder.h"

#include <algorithm>
#include <cstring>

namespace pixkit {

RunLengthResult DecodePcxRuns(std::span<const unsigned char> input, std::span<unsigned char> output) {
  std::size_t in = 0;
  std::size_t out = 0;
  while (out < output.size() && in < input.size()) {
    unsigned char code = input[in++];
    if (code < 0xC1) {
      output[out++] = code;
      continue;
    }
    if (in == input.size()) break;  // a run code with no value byte
    std::size_t count = std::min<std::size_t>(code - 0xC0, output.size() - out);
    std::memset(output.data() + out, input[in++], count);
    out += count;
  }
  return {out, in};
}

}  // namespace pixkit
