// The program-wide busy flag: set while an operation runs that the gallery
// files must not be deleted under (automatic selection writing entries,
// printing reading them). Scopes nest.
#pragma once

bool IsProgramBusy();

class CBusyScope {
 public:
  CBusyScope();
  ~CBusyScope();
  CBusyScope(const CBusyScope&) = delete;
  CBusyScope& operator=(const CBusyScope&) = delete;
};
