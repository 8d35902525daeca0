// The common run of the image-changing commands: load, operate, save, with
// one line naming the file and the reason on any failure.
#include <sstream>
#include <vector>

#include "tools/kvtool/image_commands.h"
#include "tools/kvtool/image_io.h"

int RunOnImage(const ImageFiles& files, const std::function<std::unique_ptr<CDib>(CDib&)>& operation,
               const std::string& refused) {
  CDib image;
  if (!LoadImageOrReport(files.input, image)) return kExitFailure;
  std::unique_ptr<CDib> result = operation(image);
  if (!result) return Fail(files.input, refused);
  return SaveImageOrReport(*result, files.output) ? 0 : kExitFailure;
}

bool ParseIntList4(const std::string& text, int values[4]) {
  std::stringstream stream(text);
  std::string part;
  int count = 0;
  while (std::getline(stream, part, ',')) {
    if (count == 4 || !ParseInt(part, &values[count])) return false;
    ++count;
  }
  return count == 4 && !text.ends_with(",");
}
