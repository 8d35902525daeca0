#include "app/shell/profiles/colour_value.h"

#include <cstdint>

namespace {

std::string_view TrimSpaces(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool HoldsLetter(std::string_view text) {
  for (char c : text)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  return false;
}

// What the C library's atoi reads (blanks, a sign, digits up to the first
// other character), without its undefined overflow: the value is kept
// modulo 2^32, which leaves the low 8 bits the caller keeps exact.
std::uint32_t ReadLeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  return negative ? 0u - value : value;
}

}  // namespace

std::optional<ProfileColour> ParseColourValue(std::string_view text) {
  text = TrimSpaces(text);
  ProfileColour result;
  if (std::size_t colon = text.find(':'); colon != std::string_view::npos) {
    result.name = CutToLength(text.substr(0, colon), kMaxColourNameLength);
    text.remove_prefix(colon + 1);
  }
  std::uint32_t numbers[3] = {};
  int count = 0;
  while (true) {
    std::size_t comma = text.find(',');
    std::string_view part = TrimSpaces(text.substr(0, comma));
    if (part.empty() || HoldsLetter(part) || count == 3) return std::nullopt;
    numbers[count++] = ReadLeadingInteger(part) & 0xFFu;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (count != 3) return std::nullopt;
  result.colour = numbers[0] | numbers[1] << 8 | numbers[2] << 16;
  return result;
}

std::string CutToLength(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return std::string(text);
  std::size_t end = limit;
  // Step back over continuation bytes to the start of the cut character.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end));
}
