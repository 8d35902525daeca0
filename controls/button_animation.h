// The state of a skinned button's frames, free of any window: which frame is
// shown, whether it is pressed or hovered, and where the animation runs.
// The button widget feeds it presses, releases, hover changes and timer
// ticks and repaints when an input returns true. The check box variant
// keeps a checked flag and stops on the last frame while checked.
//
// The picture strip has n frame cells, then the disabled cell (n), the
// mouse-in cell (n + 1) and the down-mouse-in cell (n + 2).
#pragma once

class CButtonAnimation {
 public:
  virtual ~CButtonAnimation() = default;

  // n frames; with more than two the button animates instead of toggling.
  void SetFrameCount(int frames);
  int FrameCount() const { return m_frames; }
  void SetTwoState(bool twoState) { m_twoState = twoState; }
  bool TwoState() const { return m_twoState; }
  void SetRepeat(bool repeat) { m_repeat = repeat; }
  void SetHoverPictures(bool mouseIn, bool downMouseIn) {
    m_hasMouseIn = mouseIn;
    m_hasDownMouseIn = downMouseIn;
  }

  int Index() const { return m_index; }
  bool Pressed() const { return m_pressed; }
  bool Hovered() const { return m_hovered; }
  bool Forward() const { return m_forward; }
  bool Enabled() const { return m_enabled; }

  // The strip cell to show.
  int Cell() const;

  bool OnPress();
  virtual bool OnRelease();
  // The press ended away from the button: no click, back to rest.
  bool CancelPress();
  virtual bool OnEnter();
  virtual bool OnLeave();
  virtual bool OnTick();
  bool OnEnable(bool enabled);

 protected:
  bool StepBackward(bool turnAtStart);
  // The frame a two-state button rests on when not pressed.
  virtual int RestingIndex() const { return 0; }

  int m_frames = 0;
  int m_index = 0;
  bool m_twoState = true;
  bool m_repeat = false;
  bool m_pressed = false;
  bool m_hovered = false;
  bool m_forward = false;
  bool m_enabled = true;
  bool m_hasMouseIn = false;
  bool m_hasDownMouseIn = false;
};

class CCheckBoxAnimation : public CButtonAnimation {
 public:
  bool Checked() const { return m_checked; }
  bool SetCheck(bool checked);

  bool OnRelease() override;
  bool OnEnter() override;
  bool OnLeave() override;
  bool OnTick() override;

 protected:
  int RestingIndex() const override { return m_checked ? 1 : 0; }

 private:
  bool m_checked = false;
};
