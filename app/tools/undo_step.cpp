#include "app/tools/undo_step.h"

void AppendUndoStep(UndoStepList& list, std::unique_ptr<CUndoStep> step) {
  if (list.size() >= kMaxUndoSteps) list.erase(list.begin());
  list.push_back(std::move(step));
}
