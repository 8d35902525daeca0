// kvtool base: building and inspecting item databases (a salon adding its
// own hairstyles, scripted checks of a collection). Parsing and the checks
// are separate from the runs for the tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/bases/base_database.h"
#include "tools/kvtool/command.h"

struct BaseAddRequest {
  std::string database;
  std::string image;
  std::string alpha;
  std::string name;
  int projection = -1;
  int faceShape = 0;
  CRect placement;
  std::vector<std::string> categories;
  std::optional<int> layer;
  bool compress = false;
  int quality = 85;
};
// False with a reason when an argument is missing or out of range.
bool ParseBaseAdd(const CommandArgs& args, BaseAddRequest* request, std::string* reason);

// Every disagreement between the records and the stores, one line each;
// empty when the database is sound.
std::vector<std::string> CheckBase(CBaseDatabase& base);

// One line of `kvtool base list`.
std::string DescribeItem(int index, const BaseItemRecord& record);

int RunBaseCreate(const CommandArgs& args);
int RunBaseAdd(const CommandArgs& args);
int RunBaseList(const CommandArgs& args);
int RunBaseExtract(const CommandArgs& args);
int RunBaseDelete(const CommandArgs& args);
int RunBaseCheck(const CommandArgs& args);
