// Deliberate I/O failures, for tests that prove a writer survives a full
// disk or a killed process. Every operation that changes a file (write,
// sync, truncate, create, rename, remove) asks ShouldFailIoOperation() first
// and fails as the system call would when it says so. Off unless a test arms
// it; then it costs one comparison per operation.
#pragma once

enum class IoFaultMode {
  FailOnce,        // the chosen operation fails, later ones succeed (a full disk that clears)
  FailFromThenOn,  // the chosen operation and every later one fail (the process died there)
};

// The operation after `operationsBeforeFailure` successful ones fails.
void ArmIoFault(int operationsBeforeFailure, IoFaultMode mode);
void DisarmIoFault();
// Whether an armed fault has fired since it was armed.
bool IoFaultFired();
// Operations counted since the last ArmIoFault or ResetIoOperationCount.
int IoOperationCount();
void ResetIoOperationCount();

// Called by the file layer before each changing operation.
bool ShouldFailIoOperation();
