// The image library's own resource module, found by its name "Pixkit"
// (the JPEG properties dialog is shown with it as the current module).
#include "platform/core/resource_module.h"

namespace {

struct PixkitModuleRegistration {
  CMemoryResourceModule module;
  PixkitModuleRegistration() { RegisterModule("Pixkit", &module); }
  ~PixkitModuleRegistration() { RegisterModule("Pixkit", nullptr); }
};

PixkitModuleRegistration g_pixkitModule;

}  // namespace
