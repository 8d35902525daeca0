// kvtool base: dispatch, and the commands that change a database (create,
// add, delete). Every change goes through CBaseDatabase, whose writes are
// crash-safe.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/bases/custom_thumbnail.h"
#include "app/bases/item_record.h"
#include "platform/core/file_system.h"
#include "tools/kvtool/base_commands.h"
#include "tools/kvtool/image_io.h"

namespace {

struct BaseSubcommand {
  const char* name;
  int (*run)(const CommandArgs& args);
};

constexpr BaseSubcommand kSubcommands[] = {
    {"create", RunBaseCreate}, {"add", RunBaseAdd},       {"list", RunBaseList},
    {"extract", RunBaseExtract}, {"delete", RunBaseDelete}, {"check", RunBaseCheck},
};

std::vector<std::string> SplitCategories(const std::string& text) {
  std::vector<std::string> values;
  std::string::size_type start = 0;
  while (values.size() < kCategoryLevels) {
    std::string::size_type slash = text.find('/', start);
    values.push_back(text.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  return values;
}

}  // namespace

int RunBase(const CommandArgs& args) {
  if (!args.empty())
    for (const BaseSubcommand& subcommand : kSubcommands)
      if (args[0] == subcommand.name) return subcommand.run(CommandArgs(args.begin() + 1, args.end()));
  return UsageError(FindCommand("base"));
}

int RunBaseCreate(const CommandArgs& args) {
  std::string version = "3.0";
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--version" && i + 1 < args.size()) version = args[++i];
    else if (args[i].starts_with("--")) return UsageError(FindCommand("base"));
    else words.push_back(args[i]);
  }
  if (words.size() != 2) return UsageError(FindCommand("base"));
  if (FileExists(words[0])) return Fail(words[0], "already exists");
  CBaseDatabase base;
  if (!base.Create(words[0], words[1], version, 0) || !base.Save()) return Fail(words[0], "cannot be created");
  return 0;
}

bool ParseBaseAdd(const CommandArgs& args, BaseAddRequest* request, std::string* reason) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--compress") {
      request->compress = true;
      continue;
    }
    if (!word.starts_with("--")) {
      words.push_back(word);
      continue;
    }
    if (i + 1 == args.size()) return *reason = word + " needs a value", false;
    const std::string& value = args[++i];
    int number = 0;
    if (word == "--alpha") request->alpha = value;
    else if (word == "--name") request->name = value;
    else if (word == "--categories") request->categories = SplitCategories(value);
    else if (word == "--placement") {
      int l, t, r, b;
      if (std::sscanf(value.c_str(), "%d,%d,%d,%d", &l, &t, &r, &b) != 4)
        return *reason = "--placement needs LEFT,TOP,RIGHT,BOTTOM", false;
      request->placement = CRect(l, t, r, b);
    } else if (!ParseInt(value, &number)) {
      return *reason = word + " needs a whole number", false;
    } else if (word == "--projection") {
      if (number < 0 || number > 3) return *reason = "--projection must be 0 to 3", false;
      request->projection = number;
    } else if (word == "--shape") {
      if (number < 0 || number > 5) return *reason = "--shape must be 0 to 5", false;
      request->faceShape = number;
    } else if (word == "--layer") {
      if (number < 0 || number > 99) return *reason = "--layer must be 0 to 99", false;
      request->layer = number;
    } else if (word == "--quality") {
      if (number < 0 || number > 100) return *reason = "--quality must be 0 to 100", false;
      request->quality = number;
    } else {
      return *reason = "unknown option " + word, false;
    }
  }
  if (words.size() != 2) return *reason = "needs FILE.hbd and IMAGE", false;
  if (request->alpha.empty()) return *reason = "--alpha is required", false;
  if (request->name.empty()) return *reason = "--name is required", false;
  if (request->projection < 0) return *reason = "--projection is required", false;
  request->database = words[0];
  request->image = words[1];
  return true;
}

int RunBaseAdd(const CommandArgs& args) {
  BaseAddRequest request;
  std::string reason;
  if (!ParseBaseAdd(args, &request, &reason)) return Fail("base add", reason);
  CDibAlpha image;
  if (!LoadImageOrReport(request.image, image)) return kExitFailure;
  std::ifstream in(request.alpha, std::ios::binary);
  if (!in) return Fail(request.alpha, "cannot be opened");
  std::vector<unsigned char> alpha{std::istreambuf_iterator<char>(in), {}};
  if (!image.LoadAlphaFromMemory(alpha.data(), static_cast<unsigned>(alpha.size())))
    return Fail(request.alpha, "not an alpha PCX file or corrupt");

  CBaseDatabase base;
  if (!base.Open(request.database, false) || !base.Load()) return Fail(request.database, "not a readable item database");
  BaseItemRecord record{};
  if (request.layer) SetCustomItemNameAndLayer(record, request.name, *request.layer);
  else SetItemName(record, request.name);
  record.projection = static_cast<std::uint16_t>(request.projection);
  record.faceShape = static_cast<std::uint16_t>(request.faceShape);
  SetItemPlacement(record, request.placement);
  for (std::size_t level = 0; level < request.categories.size(); ++level)
    SetItemCategory(record, static_cast<int>(level), request.categories[level]);
  std::unique_ptr<CDib> thumbnail = MakeCustomItemThumbnail(image);
  if (!thumbnail) return Fail(request.image, "cannot be made into a thumbnail");
  if (!base.AddItem(&image, thumbnail.get(), record, true, request.compress, request.quality, true) || !base.Save())
    return Fail(request.database, "the item could not be written; the database is unchanged");
  std::printf("%zu\n", base.Records().size() - 1);
  return 0;
}

int RunBaseDelete(const CommandArgs& args) {
  int index = 0;
  if (args.size() != 2 || !ParseInt(args[1], &index)) return UsageError(FindCommand("base"));
  CBaseDatabase base;
  if (!base.Open(args[0], false) || !base.Load()) return Fail(args[0], "not a readable item database");
  if (index < 0 || index >= static_cast<int>(base.Records().size()))
    return Fail(args[0], "has no item " + args[1]);
  if (!base.DeleteItem(index) || !base.Compact())
    return Fail(args[0], "the item could not be deleted; the database is as it was before or after the deletion");
  return 0;
}
