// Named entries of the per-object undo and redo lists, and the names the
// trackers give their steps. A step will restore a frame's geometry, a line's
// points or a rectangle of a layer's pixels; until those states exist it
// carries its name only.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// String-table ids of the step names.
inline constexpr unsigned kResizeStepNameId = 61447;         // "Resize"
inline constexpr unsigned kMoveStepNameId = 61448;           // "Move"
inline constexpr unsigned kRotateStepNameId = 61449;         // "Rotate"
inline constexpr unsigned kChangePointsStepNameId = 61450;   // "Change Points"

class CUndoStep {
 public:
  explicit CUndoStep(std::string name) : m_name(std::move(name)) {}
  virtual ~CUndoStep() = default;
  CUndoStep(const CUndoStep&) = delete;
  CUndoStep& operator=(const CUndoStep&) = delete;

  const std::string& GetName() const { return m_name; }

 private:
  std::string m_name;
};

// Oldest step first.
using UndoStepList = std::vector<std::unique_ptr<CUndoStep>>;

inline constexpr std::size_t kMaxUndoSteps = 30;

// Appends `step`, first deleting the oldest step when the list is full, so a
// list never holds more than kMaxUndoSteps.
void AppendUndoStep(UndoStepList& list, std::unique_ptr<CUndoStep> step);

// An object's own undo list and redo list (each at most kMaxUndoSteps long).
struct CUndoHistory {
  UndoStepList undoSteps;
  UndoStepList redoSteps;

  // A new step on the undo list; whatever could be redone is forgotten.
  void Push(std::unique_ptr<CUndoStep> step) {
    redoSteps.clear();
    AppendUndoStep(undoSteps, std::move(step));
  }
  bool CanUndo() const { return !undoSteps.empty(); }
  // Name of the newest undo step; empty when there is none.
  std::string NewestUndoName() const { return undoSteps.empty() ? std::string() : undoSteps.back()->GetName(); }
};
