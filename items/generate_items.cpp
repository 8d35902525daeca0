// generate_items: draws the shipped item collections and writes them as item
// databases into one folder. Run by the build; the same sources always give
// the same files.
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "items/kinds.h"

namespace {

struct CollectionFile {
  const char* file;
  const char* title;
  std::vector<GeneratedItem> (*make)();
};

constexpr CollectionFile kCollections[] = {
    {"Hair1.hbd", "Hairstyles", MakeHairstyles},       {"Glass1.hbd", "Glasses", MakeGlasses},
    {"Mous1.hbd", "Moustaches and beards", MakeMoustaches}, {"Eyebrow1.hbd", "Eyebrows", MakeEyebrows},
    {"Nose1.hbd", "Noses", MakeNoses},                  {"Breast1.hbd", "Breasts", MakeBreasts},
    {"Accessr1.hbd", "Accessories", MakeAccessories},   {"Hdress1.hbd", "Head-dresses", MakeHeadDresses},
    {"Common.hbd", "Face types", MakeFaceTypes},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: generate_items OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  constexpr int kCount = sizeof kCollections / sizeof kCollections[0];
  std::vector<std::string> failures(kCount);
  // Hairstyles take most of the time; two workers share the rest.
  auto work = [&](int first, int step) {
    for (int i = first; i < kCount; i += step) {
      const CollectionFile& collection = kCollections[i];
      std::vector<GeneratedItem> items = collection.make();
      std::string reason;
      if (items.empty()) reason = "no items";
      else if (!WriteCollection(folder + collection.file, collection.title, items, &reason)) reason = reason;
      else continue;
      failures[i] = reason;
    }
  };
  std::thread helper(work, 1, 2);
  work(0, 2);
  helper.join();
  int status = 0;
  for (int i = 0; i < kCount; ++i)
    if (!failures[i].empty()) {
      std::fprintf(stderr, "generate_items: %s%s: %s\n", folder.c_str(), kCollections[i].file, failures[i].c_str());
      status = 1;
    }
  return status;
}
