#include "tools/kvtool/command.h"

#include <cstring>

int RunInfo(const CommandArgs& args);
int RunConvert(const CommandArgs& args);

const std::vector<KvCommand>& AllCommands() {
  static const std::vector<KvCommand> commands = {
      {"info", "FILE", "print the file's type, width and height", RunInfo},
      {"convert", "IN OUT [--quality N] [--grayscale] [--no-baseline]",
       "convert to BMP or JPEG (by OUT's name); JPEG quality 0..100, default 75", RunConvert},
  };
  return commands;
}

const KvCommand& FindCommand(const char* name) {
  for (const KvCommand& command : AllCommands())
    if (std::strcmp(command.name, name) == 0) return command;
  return AllCommands().front();
}
