#include "controls/skin_text.h"

#include <cctype>
#include <climits>

namespace {

std::string Trim(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::optional<int> ParseNumberField(const std::string& field) {
  std::string trimmed = Trim(field);
  if (trimmed.empty()) return std::nullopt;
  for (char c : trimmed)
    if (std::isalpha(static_cast<unsigned char>(c))) return std::nullopt;
  // The leading decimal number, as atoi reads it, without atoi's overflow.
  std::size_t at = 0;
  bool negative = false;
  if (trimmed[at] == '+' || trimmed[at] == '-') negative = trimmed[at++] == '-';
  long long value = 0;
  for (; at < trimmed.size() && std::isdigit(static_cast<unsigned char>(trimmed[at])); ++at) {
    value = value * 10 + (trimmed[at] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

std::optional<std::vector<int>> ParseNumberFields(const std::string& text, std::size_t count) {
  std::vector<int> numbers;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    auto number = ParseNumberField(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!number) return std::nullopt;
    numbers.push_back(*number);
    if (numbers.size() > count) return std::nullopt;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (numbers.size() != count) return std::nullopt;
  return numbers;
}

std::optional<COLORREF> ParseColorString(const std::string& text) {
  std::size_t colon = text.find(':');
  auto numbers = ParseNumberFields(colon == std::string::npos ? text : text.substr(colon + 1), 3);
  if (!numbers) return std::nullopt;
  return RGB((*numbers)[0] & 0xFF, (*numbers)[1] & 0xFF, (*numbers)[2] & 0xFF);
}

void LoadInfoStrings(const std::string& info, std::string& tip, std::string& status, std::string& help) {
  std::size_t newline = info.find('\n');
  if (newline == std::string::npos) {
    status = info;
    return;
  }
  status = info.substr(0, newline);
  tip = info.substr(newline + 1);
  std::size_t bar = info.find('|');
  if (bar != std::string::npos) {
    tip = info.substr(bar + 1);
    help = info.substr(0, bar);
  }
}
