// The program's arguments as the framework reads them: at most one file to
// open (a photo or a gallery project). Arguments that start with '-' are
// switches and are passed over; the first other one is the file.
#pragma once

#include <string>
#include <vector>

struct CommandLineInfo {
  std::string fileName;  // empty: start with the sample photo only
};

// `arguments` come after the program's own path, one word each as the
// system passed them (blanks and quotes inside a word are part of it).
CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);

// Gallery projects are restored; every other file is loaded as a photo.
bool IsProjectFileName(const std::string& path);
