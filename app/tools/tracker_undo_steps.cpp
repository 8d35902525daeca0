#include "app/tools/tracker_undo_steps.h"

#include "app/tools/line_tracker.h"
#include "app/tools/quad_tracker.h"

namespace {

class CGeometryUndoStep : public CUndoStep {
 public:
  CGeometryUndoStep(std::string name, CQuadTracker& owner)
      : CUndoStep(std::move(name)), m_owner(owner), m_geometry(owner.GetGeometry()) {}

  ChangedArea Undo() override {
    m_owner.SetGeometry(m_geometry);
    return std::nullopt;
  }
  std::unique_ptr<CUndoStep> Capture() const override {
    return std::make_unique<CGeometryUndoStep>(GetName(), m_owner);
  }

 private:
  CQuadTracker& m_owner;
  CQuadTracker::Geometry m_geometry;
};

class CLineUndoStep : public CUndoStep {
 public:
  CLineUndoStep(std::string name, CLineTracker& owner)
      : CUndoStep(std::move(name)), m_owner(owner), m_point0(owner.GetPoint0()), m_point1(owner.GetPoint1()) {}

  ChangedArea Undo() override {
    m_owner.SetPoints(m_point0.x, m_point0.y, m_point1.x, m_point1.y);
    return std::nullopt;
  }
  std::unique_ptr<CUndoStep> Capture() const override {
    return std::make_unique<CLineUndoStep>(GetName(), m_owner);
  }

 private:
  CLineTracker& m_owner;
  CPoint m_point0;
  CPoint m_point1;
};

}  // namespace

std::unique_ptr<CUndoStep> MakeGeometryUndoStep(std::string name, CQuadTracker& owner) {
  return std::make_unique<CGeometryUndoStep>(std::move(name), owner);
}

std::unique_ptr<CUndoStep> MakeLineUndoStep(std::string name, CLineTracker& owner) {
  return std::make_unique<CLineUndoStep>(std::move(name), owner);
}
