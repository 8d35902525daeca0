// The information sheet (Ctrl+I) as data: pages of name and value rows. The
// Qt dialog shows one tab a page; what goes on the pages is gathered here so
// it is tested without a window.
#pragma once

#include <string>
#include <vector>

struct InformationRow {
  std::string name;
  std::string value;
};

struct InformationPage {
  std::string title;
  std::vector<InformationRow> rows;
};

struct InformationDatabase {
  int slot = 0;
  std::string file;     // empty when the slot has no file set
  std::string name;     // the database's own name, empty when not open
  std::string version;  // as the file states it
  int itemCount = -1;   // -1 when the file could not be opened
};

struct InformationSources {
  std::string productName;
  std::string productVersion;
  std::string copyright;
  std::string licence;
  std::vector<InformationRow> components;  // program, Pixkit, Skinkit and the run-time libraries
  std::vector<InformationDatabase> databases;
  std::string makeupPalette;  // file of the palette in use, empty for none
  std::string filterProfile;  // file of the filter profile in use
  std::string author;
};

// Product, Versions, Databases, Profiles, Author, in that order.
std::vector<InformationPage> BuildInformationPages(const InformationSources& sources);
