// Fixed-width, NUL-terminated text fields of the database files.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

// The text up to the first NUL, never past the field.
template <std::size_t N>
std::string ReadFixedText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// Stores `text` cut to N - 1 characters and zero-fills the rest.
template <std::size_t N>
void WriteFixedText(char (&field)[N], const std::string& text) {
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}
