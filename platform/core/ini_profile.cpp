#include "platform/core/ini_profile.h"

#include <algorithm>
#include <climits>
#include <filesystem>

#include "platform/core/atomic_file.h"
#include "platform/core/file.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string OneLine(std::string_view text) {
  std::string line;
  for (char c : text)
    if (c != '\n' && c != '\r' && c != '\0') line.push_back(c);
  return line;
}

}  // namespace

std::optional<int> ParseDecimalInt(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long long value = 0;
  std::size_t digits = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

void CIniProfile::Parse(std::string_view text) {
  m_sections.clear();
  Section* current = nullptr;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      current = &SectionFor(Trim(line.substr(1, close - 1)));
      continue;
    }
    std::size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos) continue;  // nothing a key can belong to
    std::string_view key = Trim(line.substr(0, equals));
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (key.empty()) continue;
    // The first of two equal keys wins, as the original profile functions read.
    bool known = std::any_of(current->entries.begin(), current->entries.end(),
                             [&](const Entry& e) { return EqualNoCase(e.key, key); });
    if (!known) current->entries.push_back({std::string(key), OneLine(value)});
  }
}

bool CIniProfile::Load(const std::string& path) {
  m_sections.clear();
  CFile file;
  if (!file.Open(path, CFile::modeRead)) {
    std::error_code error;
    return !std::filesystem::exists(path, error) && !error;
  }
  std::uint64_t length = file.GetLength();
  if (length > kMaxIniProfileBytes) return false;
  std::string text(static_cast<std::size_t>(length), '\0');
  if (file.Read(text.data(), text.size()) != text.size()) return false;
  Parse(text);
  return true;
}

std::string CIniProfile::Format() const {
  std::string text;
  for (const Section& section : m_sections) {
    if (!text.empty()) text += '\n';
    text += '[' + section.name + "]\n";
    for (const Entry& entry : section.entries) text += entry.key + '=' + entry.value + '\n';
  }
  return text;
}

bool CIniProfile::Save(const std::string& path) const {
  std::string text = Format();
  return WriteFileAtomically(path, [&](const std::string& temporaryPath) {
    CFile file;
    if (!file.Open(temporaryPath, CFile::modeWrite | CFile::modeCreate)) return false;
    file.Write(text.data(), text.size());
    file.Flush();
    return true;
  });
}

std::optional<std::string> CIniProfile::GetString(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  for (const Entry& entry : found->entries)
    if (EqualNoCase(entry.key, key)) return entry.value;
  return std::nullopt;
}

std::string CIniProfile::GetString(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::optional<std::string> value = GetString(section, key);
  return value ? *value : std::string(fallback);
}

int CIniProfile::GetInt(std::string_view section, std::string_view key, int fallback) const {
  std::optional<std::string> value = GetString(section, key);
  if (!value) return fallback;
  return ParseDecimalInt(*value).value_or(fallback);
}

void CIniProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = SectionFor(section);
  for (Entry& entry : target.entries) {
    if (EqualNoCase(entry.key, key)) {
      entry.value = OneLine(value);
      return;
    }
  }
  target.entries.push_back({OneLine(key), OneLine(value)});
}

void CIniProfile::WriteInt(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

bool CIniProfile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

const CIniProfile::Section* CIniProfile::FindSection(std::string_view name) const {
  for (const Section& section : m_sections)
    if (EqualNoCase(section.name, name)) return &section;
  return nullptr;
}

CIniProfile::Section& CIniProfile::SectionFor(std::string_view name) {
  for (Section& section : m_sections)
    if (EqualNoCase(section.name, name)) return section;
  m_sections.push_back({OneLine(name), {}});
  return m_sections.back();
}
