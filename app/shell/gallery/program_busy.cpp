#include "app/shell/gallery/program_busy.h"

namespace {
int g_busyDepth = 0;
}

bool IsProgramBusy() { return g_busyDepth > 0; }
CBusyScope::CBusyScope() { ++g_busyDepth; }
CBusyScope::~CBusyScope() { --g_busyDepth; }
