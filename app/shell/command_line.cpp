#include "app/shell/command_line.h"

#include "platform/core/text_case.h"

CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLineInfo info;
  for (const std::string& argument : arguments) {
    if (argument.empty() || argument.front() == '-') continue;
    info.fileName = argument;
    break;
  }
  return info;
}

bool IsProjectFileName(const std::string& path) {
  return path.size() > 4 && EqualsIgnoringCase(std::string_view(path).substr(path.size() - 4), ".kvp");
}
