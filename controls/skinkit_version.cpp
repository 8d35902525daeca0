#include "controls/skinkit_version.h"

std::string SkinkitVersion() { return KELVORA_VERSION; }
