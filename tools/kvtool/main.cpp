// kvtool: Kelvora's image tool for batch work and scripted checks.
#include <cstdio>
#include <cstring>

#include "tools/kvtool/command.h"

namespace {

void PrintHelp(std::FILE* out) {
  std::fprintf(out,
               "kvtool: Kelvora's image tool.\n"
               "Reads BMP, PCX and JPEG; writes BMP and JPEG, chosen by the output name.\n\n"
               "usage: kvtool COMMAND ARGS...\n\n");
  for (const KvCommand& command : AllCommands())
    std::fprintf(out, "  kvtool %s %s\n      %s\n", command.name, command.usage, command.summary);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") ||
      !std::strcmp(argv[1], "help")) {
    PrintHelp(stdout);
    return argc < 2 ? kExitUsage : 0;
  }
  for (const KvCommand& command : AllCommands()) {
    if (std::strcmp(argv[1], command.name) != 0) continue;
    return command.run(CommandArgs(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "kvtool: unknown command '%s' (see kvtool --help)\n", argv[1]);
  return kExitUsage;
}
