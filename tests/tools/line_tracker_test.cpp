#include <gtest/gtest.h>

#include <string>

#include "app/tools/line_tracker.h"
#include "app/tools/undo_step.h"

TEST(LineTracker, EndPointsHitWithinSixUnitsAndTheFirstPointWins) {
  CLineTracker line;
  line.SetPoints(10, 10, 14, 10);
  EXPECT_EQ(line.HitTest(4, 10), 0);
  EXPECT_EQ(line.HitTest(12, 10), 0);  // near both
  EXPECT_EQ(line.HitTest(20, 10), 1);
  EXPECT_EQ(line.HitTest(21, 10), CLineTracker::kHitNothing);
  EXPECT_EQ(line.HitTest(14, 16), 1);
  EXPECT_EQ(line.HitTest(18, 15), CLineTracker::kHitNothing);  // 6.4 away
  EXPECT_EQ(line.GetPoint1(), CPoint(14, 10));

  line.SetPoints(-2000000000, 0, 2000000000, 0);  // differences beyond int
  EXPECT_EQ(line.HitTest(2000000000, 0), 1);
  EXPECT_EQ(line.HitTest(0, 0), CLineTracker::kHitNothing);
}

namespace {

// A step with a name and nothing to restore.
class NamedStep : public CUndoStep {
 public:
  using CUndoStep::CUndoStep;
  ChangedArea Undo() override { return std::nullopt; }
  std::unique_ptr<CUndoStep> Capture() const override { return std::make_unique<NamedStep>(GetName()); }
};

}  // namespace

TEST(UndoStepList, HoldsAtMostThirtyStepsDroppingTheOldest) {
  CLineTracker line;
  for (int i = 1; i <= 31; ++i) {
    line.SetPoints(i, 0, 0, 0);
    line.PushUndo("step " + std::to_string(i));
  }
  const UndoStepList& list = line.GetHistory().UndoSteps();
  ASSERT_EQ(list.size(), kMaxUndoSteps);
  EXPECT_EQ(list.front()->GetName(), "step 2");
  EXPECT_EQ(list.back()->GetName(), "step 31");
}
