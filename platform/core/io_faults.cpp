#include "platform/core/io_faults.h"

namespace {

bool g_armed = false;
bool g_fired = false;
IoFaultMode g_mode = IoFaultMode::FailOnce;
int g_failAt = 0;
int g_count = 0;

}  // namespace

void ArmIoFault(int operationsBeforeFailure, IoFaultMode mode) {
  g_armed = true;
  g_fired = false;
  g_mode = mode;
  g_failAt = operationsBeforeFailure;
  g_count = 0;
}

void DisarmIoFault() { g_armed = false; }

bool IoFaultFired() { return g_fired; }

int IoOperationCount() { return g_count; }

void ResetIoOperationCount() { g_count = 0; }

bool ShouldFailIoOperation() {
  int index = g_count++;
  if (!g_armed) return false;
  bool fail = g_mode == IoFaultMode::FailOnce ? index == g_failAt : index >= g_failAt;
  if (fail) g_fired = true;
  return fail;
}
