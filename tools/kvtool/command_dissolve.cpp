#include <charconv>
#include <cmath>

#include "tools/kvtool/image_commands.h"
#include "tools/kvtool/image_io.h"

bool ParseDissolve(const CommandArgs& args, DissolveRequest* request) {
  if (args.size() != 4) return false;
  request->first = args[0];
  request->second = args[1];
  request->output = args[2];
  const std::string& text = args[3];
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), request->amount);
  return error == std::errc() && end == text.data() + text.size() && request->amount >= 0.0 &&
         request->amount <= 1.0;
}

std::unique_ptr<CDib> ApplyDissolve(CDib& first, CDib& second, const DissolveRequest& request) {
  return std::unique_ptr<CDib>(first.Effect_CrossDissolve(&second, request.amount, false));
}

int RunDissolve(const CommandArgs& args) {
  DissolveRequest request;
  if (!ParseDissolve(args, &request)) return UsageError(FindCommand("dissolve"));
  CDib first, second;
  if (!LoadImageOrReport(request.first, first) || !LoadImageOrReport(request.second, second)) return kExitFailure;
  if (first.GetSize() != second.GetSize()) return Fail(request.second, "differs in size from " + request.first);
  std::unique_ptr<CDib> result = ApplyDissolve(first, second, request);
  if (!result) return Fail(request.first, "cannot be dissolved");
  return SaveImageOrReport(*result, request.output) ? 0 : kExitFailure;
}
