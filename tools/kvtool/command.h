// kvtool's subcommands. Each lives in its own file and is listed in
// commands.cpp; main() only dispatches. A command gets the words after its
// name and returns the process exit code; failures print one line naming the
// file and the reason.
#pragma once

#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;

struct KvCommand {
  const char* name;
  const char* usage;    // arguments after the name, as shown in --help
  const char* summary;  // one line
  int (*run)(const CommandArgs& args);
};

const std::vector<KvCommand>& AllCommands();
// The command of that name (which must exist): for usage messages.
const KvCommand& FindCommand(const char* name);

// Prints "kvtool: <subject>: <reason>" to stderr and returns the failure code.
int Fail(const std::string& subject, const std::string& reason);
// Prints the usage line of `command` to stderr and returns the usage code.
int UsageError(const KvCommand& command);

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
