#include <gtest/gtest.h>

#include <vector>

#include "controls/button_animation.h"

namespace {

// The frame shown after each of `ticks` timer ticks.
std::vector<int> RunTicks(CButtonAnimation& animation, int ticks) {
  std::vector<int> shown;
  for (int i = 0; i < ticks; ++i) {
    animation.OnTick();
    shown.push_back(animation.Index());
  }
  return shown;
}

CButtonAnimation FiveFrameButton(bool repeat) {
  CButtonAnimation animation;
  animation.SetFrameCount(5);
  animation.SetHoverPictures(true, false);
  animation.SetRepeat(repeat);
  return animation;
}

}  // namespace

TEST(ButtonAnimation, HoveredButtonRunsUpStaysAndRunsBackOnLeaving) {
  CButtonAnimation button = FiveFrameButton(false);
  EXPECT_FALSE(button.TwoState());
  EXPECT_EQ(button.Cell(), 0);
  button.OnEnter();
  EXPECT_EQ(button.Cell(), 6);  // mouse-in cell at frame 0
  EXPECT_EQ(RunTicks(button, 6), (std::vector<int>{1, 2, 3, 4, 4, 4}));
  EXPECT_EQ(button.Cell(), 7);  // down-mouse-in cell at the last frame
  button.OnLeave();
  EXPECT_EQ(RunTicks(button, 5), (std::vector<int>{3, 2, 1, 0, 0}));
}

TEST(ButtonAnimation, RepeatFlagRunsUpAndDownWhileHovered) {
  CButtonAnimation button = FiveFrameButton(true);
  button.OnEnter();
  EXPECT_EQ(RunTicks(button, 12), (std::vector<int>{1, 2, 3, 4, 4, 3, 2, 1, 0, 0, 1, 2}));
}

TEST(ButtonAnimation, TwoFramesToggleOnPressAndRelease) {
  CButtonAnimation button;
  button.SetFrameCount(2);
  EXPECT_TRUE(button.TwoState());
  EXPECT_TRUE(button.OnPress());
  EXPECT_EQ(button.Index(), 1);
  EXPECT_FALSE(button.OnTick());
  EXPECT_TRUE(button.OnRelease());
  EXPECT_EQ(button.Index(), 0);
}

TEST(ButtonAnimation, WithoutMouseInPictureHoverChangesNothing) {
  CButtonAnimation button;
  button.SetFrameCount(5);
  EXPECT_FALSE(button.OnEnter());
  EXPECT_FALSE(button.Hovered());
  EXPECT_EQ(RunTicks(button, 2), (std::vector<int>{0, 0}));
}

TEST(ButtonAnimation, DisablingShowsTheDisabledCellFromFrameZero) {
  CButtonAnimation button = FiveFrameButton(false);
  button.OnEnter();
  RunTicks(button, 2);
  button.OnEnable(false);
  EXPECT_EQ(button.Index(), 0);
  EXPECT_FALSE(button.Hovered());
  EXPECT_EQ(button.Cell(), 5);
  EXPECT_EQ(RunTicks(button, 2), (std::vector<int>{0, 0}));
  button.OnEnable(true);
  EXPECT_EQ(button.Cell(), 0);
}

TEST(CheckBoxAnimation, TwoFramesShowTheCheckState) {
  CCheckBoxAnimation box;
  box.SetFrameCount(2);
  box.OnPress();
  box.OnRelease();
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(box.Index(), 1);
  box.SetCheck(false);
  EXPECT_EQ(box.Index(), 0);
  box.SetCheck(true);
  EXPECT_EQ(box.Index(), 1);
}

TEST(CheckBoxAnimation, PressAbandonedOffACheckedBoxKeepsItsCheckedFrame) {
  CCheckBoxAnimation box;
  box.SetFrameCount(2);
  box.SetHoverPictures(true, false);
  box.SetCheck(true);
  box.OnEnter();
  box.OnPress();
  box.OnLeave();
  EXPECT_TRUE(box.Checked());
  EXPECT_FALSE(box.Pressed());
  EXPECT_EQ(box.Index(), 1);
}

TEST(CheckBoxAnimation, AnimatedBoxRunsToTheLastFrameWhileCheckedAndBackWhenCleared) {
  CCheckBoxAnimation box;
  box.SetFrameCount(4);
  box.SetCheck(true);
  EXPECT_EQ(RunTicks(box, 5), (std::vector<int>{1, 2, 3, 3, 3}));
  EXPECT_TRUE(box.Forward());  // checked: stays at the end, still forward
  box.SetCheck(false);
  EXPECT_EQ(RunTicks(box, 4), (std::vector<int>{2, 1, 0, 0}));
}
