#include "app/shell/frame/information_pages.h"

namespace {

std::string OrNone(const std::string& text) { return text.empty() ? "(none)" : text; }

}  // namespace

std::vector<InformationPage> BuildInformationPages(const InformationSources& sources) {
  std::vector<InformationPage> pages;
  pages.push_back({"Product",
                   {{"Name", sources.productName},
                    {"Version", sources.productVersion},
                    {"Copyright", sources.copyright},
                    {"Licence", sources.licence}}});
  pages.push_back({"Versions", sources.components});

  InformationPage databases{"Databases", {}};
  for (const InformationDatabase& base : sources.databases) {
    const std::string prefix = "Slot " + std::to_string(base.slot) + " ";
    databases.rows.push_back({prefix + "file", OrNone(base.file)});
    if (base.itemCount < 0) {
      databases.rows.push_back({prefix + "state", "not open"});
      continue;
    }
    databases.rows.push_back({prefix + "name", OrNone(base.name)});
    databases.rows.push_back({prefix + "version", OrNone(base.version)});
    databases.rows.push_back({prefix + "items", std::to_string(base.itemCount)});
  }
  pages.push_back(std::move(databases));

  pages.push_back({"Profiles",
                   {{"Make-up palette", OrNone(sources.makeupPalette)},
                    {"Filter profile", OrNone(sources.filterProfile)}}});
  pages.push_back({"Author", {{"Author", sources.author}}});
  return pages;
}
