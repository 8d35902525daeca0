#include "app/view/drop_rule.h"

#include "imagelib/dib.h"

std::optional<std::string> AcceptedDropPath(const std::vector<std::string>& paths) {
  if (paths.size() != 1 || paths[0].empty() || paths[0].size() > 260) return std::nullopt;
  if (!CDib::IsFormatAvailable(paths[0].c_str())) return std::nullopt;
  return paths[0];
}
