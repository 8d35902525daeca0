// A photo dropped on the view: only exactly one file of a type the image
// library reads is taken, and only a path of at most 260 characters.
#pragma once

#include <optional>
#include <string>
#include <vector>

std::optional<std::string> AcceptedDropPath(const std::vector<std::string>& paths);
