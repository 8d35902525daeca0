// The sign dialog's fields as plain code: the installed fonts with their
// scripts, the sizes offered, the toggles, and the settings the choices
// make. The dialog shows the model and feeds it the user's changes.
#pragma once

#include <string>
#include <vector>

#include "app/shell/printing/sign_properties.h"

struct SignFontScript {
  std::string name;
  int charSet = 0;
};

struct SignFontEntry {
  std::string name;
  int pitchAndFamily = 0;
  int flags = 0;
  std::vector<SignFontScript> scripts;
};

// The character set that belongs to a script's name (the Windows numbers,
// which the settings keep): 0 for Latin and anything unknown.
int CharSetOfScript(const std::string& script);

class CSignDialogModel {
 public:
  CSignDialogModel(std::vector<SignFontEntry> fonts, const SignProperties& initial);

  const std::vector<SignFontEntry>& Fonts() const { return m_fonts; }
  static const std::vector<int>& Sizes();
  // The font whose name is "FontName", else the first; -1 without fonts.
  int FontIndex() const { return m_font; }
  // The size entry whose text is the size; -1 when the list has none.
  int SizeIndex() const;
  int ScriptIndex() const { return m_script; }
  const std::vector<SignFontScript>& Scripts() const;

  void ChooseFont(int index);
  // The size field's text, read as a decimal number; text that is not one
  // keeps the size as it was.
  void SetSizeText(const std::string& text);
  void ChooseScript(int index);
  void SetText(const std::string& text) { m_properties.sign = text; }
  void SetBold(bool on) { m_properties.bold = on; }
  void SetItalic(bool on) { m_properties.italic = on; }
  void SetUnderline(bool on) { m_properties.underline = on; }

  // What OK writes.
  const SignProperties& Properties() const { return m_properties; }

 private:
  void TakeFont();
  std::vector<SignFontEntry> m_fonts;
  SignProperties m_properties;
  int m_font = -1;
  int m_script = -1;
};
