// Named entries of the per-object undo and redo lists, and the names the
// trackers and tools give their steps.
//
// A step holds "the other state" of its owner: undoing writes it back, and
// the list first captures the owner's present state into a step of the same
// class and name for the opposite list. So one operation serves undo and
// redo, and a step keeps its name as it moves between the lists.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/geometry.h"

// String-table ids of the step names.
inline constexpr unsigned kResizeStepNameId = 61447;         // "Resize"
inline constexpr unsigned kMoveStepNameId = 61448;           // "Move"
inline constexpr unsigned kRotateStepNameId = 61449;         // "Rotate"
inline constexpr unsigned kChangePointsStepNameId = 61450;   // "Change Points"
inline constexpr unsigned kCombToolStepNameId = 61538;       // "Comb Tool"
inline constexpr unsigned kScissorsToolStepNameId = 61539;   // "Scissors Tool"
inline constexpr unsigned kBrushToolStepNameId = 61540;      // "Brush Tool"
inline constexpr unsigned kSprayToolStepNameId = 61541;      // "Spray Tool"
inline constexpr unsigned kFillStepNameId = 61547;           // "Fill"
inline constexpr unsigned kBlurStepNameId = 61548;           // "Blur"
inline constexpr unsigned kClearStepNameId = 61549;          // "Clear"
inline constexpr unsigned kPasteStepNameId = 61550;          // "Paste"
inline constexpr unsigned kDeformStepNameId = 61755;         // "Deform"
inline constexpr unsigned kModellingStepNameId = 61795;      // "Modelling"

// What an undo or redo changed in document coordinates, when the step can
// tell (pixel steps); geometry and line steps report nothing and the caller
// recomposes the owner's bounding rectangles instead.
using ChangedArea = std::optional<CRect>;

class CUndoStep {
 public:
  explicit CUndoStep(std::string name) : m_name(std::move(name)) {}
  virtual ~CUndoStep() = default;
  CUndoStep(const CUndoStep&) = delete;
  CUndoStep& operator=(const CUndoStep&) = delete;

  // Writes the held state back into the owner.
  virtual ChangedArea Undo() = 0;
  virtual ChangedArea Redo() { return Undo(); }
  // A step of the same class and name holding the owner's present values
  // for the same extent.
  virtual std::unique_ptr<CUndoStep> Capture() const = 0;

  const std::string& GetName() const { return m_name; }
  // Pairs a step with another object's (the stretch frame's with a layer's
  // "Deform").
  void SetName(std::string name) { m_name = std::move(name); }

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
class CUndoHistory {
 public:
  // A new step on the undo list; whatever could be redone is forgotten.
  void Push(std::unique_ptr<CUndoStep> step);
  // One step back or forward: the newest step of the list is captured onto
  // the other list, written back and deleted. Nothing with an empty list.
  ChangedArea Undo() { return Move(m_undoSteps, m_redoSteps); }
  ChangedArea Redo() { return Move(m_redoSteps, m_undoSteps); }

  bool CanUndo() const { return !m_undoSteps.empty(); }
  bool CanRedo() const { return !m_redoSteps.empty(); }
  // Name of the newest step; empty when the list is empty.
  std::string GetUndoName() const { return m_undoSteps.empty() ? std::string() : m_undoSteps.back()->GetName(); }
  std::string GetRedoName() const { return m_redoSteps.empty() ? std::string() : m_redoSteps.back()->GetName(); }
  void ClearUndo() { m_undoSteps.clear(); }
  void ClearRedo() { m_redoSteps.clear(); }
  // Gives the newest undo step a new name; nothing with an empty list.
  void RenameNewestUndoStep(std::string name) {
    if (!m_undoSteps.empty()) m_undoSteps.back()->SetName(std::move(name));
  }
  void Clear() {
    m_undoSteps.clear();
    m_redoSteps.clear();
  }
  std::size_t UndoCount() const { return m_undoSteps.size(); }
  std::size_t RedoCount() const { return m_redoSteps.size(); }
  const UndoStepList& UndoSteps() const { return m_undoSteps; }
  const UndoStepList& RedoSteps() const { return m_redoSteps; }

 private:
  static ChangedArea Move(UndoStepList& from, UndoStepList& to);

  UndoStepList m_undoSteps;
  UndoStepList m_redoSteps;
};
