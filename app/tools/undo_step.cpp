#include "app/tools/undo_step.h"

void AppendUndoStep(UndoStepList& list, std::unique_ptr<CUndoStep> step) {
  if (list.size() >= kMaxUndoSteps) list.erase(list.begin());
  list.push_back(std::move(step));
}

void CUndoHistory::Push(std::unique_ptr<CUndoStep> step) {
  m_redoSteps.clear();
  AppendUndoStep(m_undoSteps, std::move(step));
}

// The capture is taken before the write-back, so it holds the values the
// write-back is about to replace.
ChangedArea CUndoHistory::Move(UndoStepList& from, UndoStepList& to) {
  if (from.empty()) return std::nullopt;
  std::unique_ptr<CUndoStep> step = std::move(from.back());
  from.pop_back();
  AppendUndoStep(to, step->Capture());
  return step->Undo();
}
