#include "app/shell/help_text.h"

#include "app/resources/program_messages.h"
#include "platform/core/ini_profile.h"
#include "platform/core/resource_module.h"

std::string HelpManualPath(const std::string& helpFolder) {
  return helpFolder + LoadResourceString(kStringHelpFile, FindModule("Kelvora"));
}

std::string HelpManualUrl(const std::string& manualPath) {
  std::string url = "file://";
  // Percent-encode what a file URL cannot carry as it is.
  for (unsigned char c : manualPath) {
    if (c <= ' ' || c >= 0x7F || c == '%' || c == '#' || c == '?') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    } else {
      url += static_cast<char>(c);
    }
  }
  return url + "#intro";
}

std::string ContextHelpText(const std::string& helpFolder, unsigned contextId) {
  CIniProfile texts;
  texts.Load(helpFolder + "Resdeck.ini");  // loaded for the lookup, then dropped
  std::string text = texts.GetString("Help", std::to_string(contextId), "");
  // Line breaks are written as "\n" in the one-line profile values.
  for (std::string::size_type at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1))
    text.replace(at, 2, "\n");
  return text.empty() ? kMsgNoHelpTopic : text;
}
