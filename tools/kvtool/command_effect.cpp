// kvtool effect IN OUT NAME [ARGS]: one Effect_ operation of the library on
// a whole image.
#include <cstring>

#include "tools/kvtool/image_commands.h"
#include "tools/kvtool/image_io.h"

namespace {

struct EffectName {
  const char* name;
  EffectRequest::Kind kind;
  bool takesAmount;
};

constexpr EffectName kEffects[] = {
    {"brightness", EffectRequest::brightness, true}, {"contrast", EffectRequest::contrast, true},
    {"filter", EffectRequest::filter, false},        {"grayscale", EffectRequest::grayscale, true},
    {"invert", EffectRequest::invert, false},        {"posterize", EffectRequest::posterize, true},
    {"emboss", EffectRequest::emboss, false},        {"heightmap", EffectRequest::heightmap, true},
};

}  // namespace

bool ParseEffect(const CommandArgs& args, EffectRequest* request) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--key") {
      unsigned long key;
      if (++i == args.size() || !ParseHexColor(args[i], &key)) return false;
      request->key = key;
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.size() < 3) return false;
  request->files = {words[0], words[1]};
  const EffectName* effect = nullptr;
  for (const EffectName& candidate : kEffects)
    if (words[2] == candidate.name) effect = &candidate;
  if (!effect) return false;
  request->kind = effect->kind;
  if (request->key && effect->kind != EffectRequest::filter) return false;
  if (effect->kind == EffectRequest::filter)
    return words.size() == 5 && ParseHexColor(words[3], &request->color) && ParseInt(words[4], &request->amount);
  if (!effect->takesAmount) return words.size() == 3;
  if (words.size() != 4 || !ParseInt(words[3], &request->amount)) return false;
  return effect->kind != EffectRequest::posterize || request->amount >= 1;
}

std::unique_ptr<CDib> ApplyEffect(CDib& image, const EffectRequest& request) {
  CDib* result = nullptr;
  switch (request.kind) {
    case EffectRequest::brightness: result = image.Effect_ColorBrightness(request.amount, false); break;
    case EffectRequest::contrast: result = image.Effect_ColorContrast(request.amount, false); break;
    case EffectRequest::filter:
      result = request.key ? image.Effect_ColorFilter(request.color, request.amount, *request.key, false)
                           : image.Effect_ColorFilter(request.color, request.amount, false);
      break;
    case EffectRequest::grayscale:
      result = image.Effect_ColorGrayscale(static_cast<CDib::TypeStGray>(request.amount), false);
      break;
    case EffectRequest::invert: result = image.Effect_ColorInvert(false); break;
    case EffectRequest::posterize: result = image.Effect_Posterize(request.amount, false); break;
    case EffectRequest::emboss: result = image.Effect_Emboss(false); break;
    case EffectRequest::heightmap: result = image.Effect_HeightMap(request.amount, false); break;
  }
  return std::unique_ptr<CDib>(result);
}

int RunEffect(const CommandArgs& args) {
  EffectRequest request;
  if (!ParseEffect(args, &request)) return UsageError(FindCommand("effect"));
  return RunOnImage(request.files, [&](CDib& image) { return ApplyEffect(image, request); },
                    "the effect could not be applied");
}
