#include "app/shell/printing/sign_dialog_model.h"

#include <algorithm>
#include <charconv>

int CharSetOfScript(const std::string& script) {
  static const std::pair<const char*, int> table[] = {
      {"Latin", 0},       {"Symbol", 2},     {"Japanese", 128},           {"Korean", 129},
      {"Simplified Chinese", 134},           {"Traditional Chinese", 136}, {"Greek", 161},
      {"Turkish", 162},   {"Vietnamese", 163}, {"Hebrew", 177},           {"Arabic", 178},
      {"Baltic", 186},    {"Cyrillic", 204}, {"Thai", 222},               {"Central European", 238}};
  for (const auto& [name, charSet] : table)
    if (script == name) return charSet;
  return 0;
}

CSignDialogModel::CSignDialogModel(std::vector<SignFontEntry> fonts, const SignProperties& initial)
    : m_fonts(std::move(fonts)), m_properties(initial) {
  auto named = std::ranges::find(m_fonts, initial.fontName, &SignFontEntry::name);
  if (!m_fonts.empty()) m_font = named != m_fonts.end() ? static_cast<int>(named - m_fonts.begin()) : 0;
  if (m_font >= 0) {
    const auto& scripts = m_fonts[m_font].scripts;
    auto script = std::ranges::find(scripts, initial.script, &SignFontScript::name);
    m_script = script != scripts.end() ? static_cast<int>(script - scripts.begin()) : (scripts.empty() ? -1 : 0);
  }
  TakeFont();
}

const std::vector<int>& CSignDialogModel::Sizes() {
  static const std::vector<int> sizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
  return sizes;
}

int CSignDialogModel::SizeIndex() const {
  auto found = std::ranges::find(Sizes(), m_properties.size);
  return found != Sizes().end() ? static_cast<int>(found - Sizes().begin()) : -1;
}

const std::vector<SignFontScript>& CSignDialogModel::Scripts() const {
  static const std::vector<SignFontScript> none;
  return m_font >= 0 ? m_fonts[m_font].scripts : none;
}

void CSignDialogModel::ChooseFont(int index) {
  if (index < 0 || index >= static_cast<int>(m_fonts.size())) return;
  const std::string script = m_script >= 0 ? Scripts()[m_script].name : std::string();
  m_font = index;
  // The script stays when the new font has it too.
  const auto& scripts = m_fonts[m_font].scripts;
  auto same = std::ranges::find(scripts, script, &SignFontScript::name);
  m_script = same != scripts.end() ? static_cast<int>(same - scripts.begin()) : (scripts.empty() ? -1 : 0);
  TakeFont();
}

void CSignDialogModel::SetSizeText(const std::string& text) {
  int size = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error == std::errc() && end != text.data() && size > 0 && size <= 1638) m_properties.size = size;
}

void CSignDialogModel::ChooseScript(int index) {
  if (index < 0 || index >= static_cast<int>(Scripts().size())) return;
  m_script = index;
  TakeFont();
}

void CSignDialogModel::TakeFont() {
  if (m_font < 0) return;
  const SignFontEntry& font = m_fonts[m_font];
  m_properties.fontName = font.name;
  m_properties.pitchAndFamily = font.pitchAndFamily;
  m_properties.flags = font.flags;
  if (m_script >= 0) {
    m_properties.script = font.scripts[m_script].name;
    m_properties.charSet = font.scripts[m_script].charSet;
  } else {
    m_properties.script.clear();
    m_properties.charSet = 0;
  }
}
