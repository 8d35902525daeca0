// Writes a transparency plane (0 opaque, 255 clear; rows top-down, one byte
// a pixel) as an 8-bit alpha PCX file: the make-up masks of the style.
#pragma once

#include <vector>

std::vector<unsigned char> WriteAlphaPcx(const std::vector<unsigned char>& plane, int width, int height);
