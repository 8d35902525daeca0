// Runs the kvtool binary the build made and captures what it says.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

struct ToolResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr together
};

inline ToolResult RunKvtool(const std::string& arguments) {
  ToolResult result;
  std::string command = std::string(KVTOOL_PATH) + " " + arguments + " 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) result.output += buffer;
  int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }
